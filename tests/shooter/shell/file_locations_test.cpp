// Where an installed and a portable `shooter` keep their files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/system.h"
#include "shooter/shell/file_locations.h"

namespace fs = std::filesystem;

namespace shooter {

class FileLocationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // CTest runs the cases of this file at the same time, so each one
    // works in a folder of its own.
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::path(::testing::TempDir()) / (std::string("locations_") + info->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "prefix/bin");
    fs::create_directories(root_ / "prefix/share/kestrel");
    fs::create_directories(root_ / "elsewhere");
    for (const char* f : {"plik.bmp", "settings.dat", "high_scores.dat"}) {
      std::ofstream(root_ / "prefix/share/kestrel" / f) << "default " << f;
    }
    std::ofstream(root_ / "prefix/bin/shooter") << "";
    previous_ = fs::current_path();
    fs::current_path(root_ / "elsewhere");
    xdgBefore_ = platform::system::environmentVariable("XDG_DATA_HOME");
    platform::system::setEnvironmentVariable("XDG_DATA_HOME", (root_ / "xdg").string());
  }
  void TearDown() override {
    fs::current_path(previous_);
    platform::system::setEnvironmentVariable("XDG_DATA_HOME", xdgBefore_);
    fs::remove_all(root_);
  }
  fs::path root_;
  fs::path previous_;
  std::optional<std::string> xdgBefore_;
};

TEST_F(FileLocationsTest, AnInstalledProgramUsesTheDataFolderAndAPerUserFolder) {
  const auto where = findFileLocations((root_ / "prefix/bin/shooter").string(), {"../share/kestrel"});
  ASSERT_TRUE(where.installed);
  EXPECT_EQ(fs::path(where.assetFolder), fs::canonical(root_ / "prefix/share/kestrel"));
  EXPECT_EQ(fs::path(where.userFolder), root_ / "xdg/kestrel");
  std::string reason;
  ASSERT_TRUE(prepareUserFolder(where, reason)) << reason;
  std::ifstream in(root_ / "xdg/kestrel/high_scores.dat");
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "default high_scores.dat");
  // The player's own files are never overwritten by a later start.
  std::ofstream(root_ / "xdg/kestrel/settings.dat") << "mine";
  ASSERT_TRUE(prepareUserFolder(where, reason));
  std::ifstream mine(root_ / "xdg/kestrel/settings.dat");
  std::getline(mine, first);
  EXPECT_EQ(first, "mine");
}

TEST_F(FileLocationsTest, ARunFolderKeepsEverythingInTheWorkingFolder) {
  std::ofstream(root_ / "prefix/bin/plik.bmp") << "";
  const auto beside = findFileLocations((root_ / "prefix/bin/shooter").string(), {"../share/kestrel"});
  EXPECT_FALSE(beside.installed);
  EXPECT_EQ(beside.userFolder, ".");
  fs::remove(root_ / "prefix/bin/plik.bmp");
  std::ofstream(root_ / "elsewhere/plik.bmp") << "";
  EXPECT_FALSE(findFileLocations((root_ / "prefix/bin/shooter").string(), {"../share/kestrel"}).installed);
  EXPECT_FALSE(findFileLocations("", {"../share/kestrel"}).installed);
}

TEST_F(FileLocationsTest, APortableCopyUsesTheDataFolderBesideTheProgramAndAPerUserFolder) {
  // The portable archive's layout: the programs and a data folder beside them.
  fs::create_directories(root_ / "unpacked/data");
  std::ofstream(root_ / "unpacked/shooter") << "";
  std::ofstream(root_ / "unpacked/data/plik.bmp") << "";
  const std::vector<std::string> folders{"../share/kestrel", "data"};
  const auto where = findFileLocations((root_ / "unpacked/shooter").string(), folders);
  ASSERT_TRUE(where.installed);
  EXPECT_EQ(fs::path(where.assetFolder), fs::canonical(root_ / "unpacked/data"));
  EXPECT_EQ(fs::path(where.userFolder), root_ / "xdg/kestrel");
  // The first folder of the list that holds the sprite sheet wins.
  const auto installed = findFileLocations((root_ / "prefix/bin/shooter").string(), folders);
  EXPECT_EQ(fs::path(installed.assetFolder), fs::canonical(root_ / "prefix/share/kestrel"));
  // A data folder without the sprite sheet is no data folder.
  fs::remove(root_ / "unpacked/data/plik.bmp");
  EXPECT_FALSE(findFileLocations((root_ / "unpacked/shooter").string(), folders).installed);
}

TEST_F(FileLocationsTest, AnUnwritableUserFolderIsReported) {
  auto where = findFileLocations((root_ / "prefix/bin/shooter").string(), {"../share/kestrel"});
  std::ofstream(root_ / "blocker") << "";
  where.userFolder = (root_ / "blocker/kestrel").string();  // a file where a folder must go
  std::string reason;
  EXPECT_FALSE(prepareUserFolder(where, reason));
  EXPECT_NE(reason.find("blocker"), std::string::npos);
}

}  // namespace shooter
