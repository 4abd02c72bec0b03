// The browser build read into memory: what is kept, under which path.
#include <gtest/gtest.h>

#include <filesystem>

#include "scores/server/site_files.h"
#include "tests/support/test_files.h"

namespace scores {
namespace {

TEST(SiteFiles, ReadsTheFolderTreeByPathAndTypeAndSkipsLinks) {
  test_support::TestWorkingFolder folder("site");
  std::filesystem::create_directories("site/icons");
  test_support::writeWholeFile("site/shooter.html", "<html>");
  test_support::writeWholeFile("site/shooter.wasm", std::string("\0asm", 4));
  test_support::writeWholeFile("site/icons/icon-192.png", "png");
  test_support::writeWholeFile("secret.txt", "secret");
  std::filesystem::create_symlink(folder.path() / "secret.txt", "site/linked.txt");

  const SiteFiles site = SiteFiles::readFolder("site", 1024);
  EXPECT_EQ(site.count(), 3u);
  ASSERT_NE(site.find("/shooter.wasm"), nullptr);
  EXPECT_EQ(site.find("/shooter.wasm")->body, std::string("\0asm", 4));
  EXPECT_EQ(site.find("/shooter.wasm")->contentType, "application/wasm");
  ASSERT_NE(site.find("/icons/icon-192.png"), nullptr);
  EXPECT_EQ(site.find("/icons/icon-192.png")->contentType, "image/png");
  EXPECT_EQ(site.find("/linked.txt"), nullptr);
  EXPECT_EQ(site.find("shooter.html"), nullptr);
  EXPECT_EQ(site.find("/icons/../shooter.html"), nullptr);

  EXPECT_THROW(SiteFiles::readFolder("site", 5), std::runtime_error);
  EXPECT_THROW(SiteFiles::readFolder("missing", 1024), std::runtime_error);
}

}  // namespace
}  // namespace scores
