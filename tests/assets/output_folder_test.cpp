// The manifest names exactly the files a generator wrote: the install and
// the web pages copy what it names, so a name of a file that failed would
// break them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gen_kit/file_out.h"

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(OutputFolder, TheManifestNamesTheWrittenFilesInOrderAndNotTheFailedOnes) {
  const fs::path root = fs::path(::testing::TempDir()) / "gen_kit_output_folder";
  fs::remove_all(root);
  fs::create_directories(root);
  gen_kit::OutputFolder out(root.string());

  EXPECT_TRUE(out.write("b.bmp", {'B', 'M'}));
  EXPECT_FALSE(out.write("missing/c.wav", {1}));  // no such folder
  EXPECT_TRUE(out.write("a.wav", {}));
  ASSERT_TRUE(out.writeManifest((root / "files.txt").string()));

  EXPECT_EQ(contents(root / "files.txt"), "b.bmp\na.wav\n");
  EXPECT_EQ(contents(root / "b.bmp"), "BM");
  EXPECT_TRUE(fs::exists(root / "a.wav"));
  EXPECT_FALSE(out.writeManifest((root / "missing" / "files.txt").string()));
  fs::remove_all(root);
}

}  // namespace
