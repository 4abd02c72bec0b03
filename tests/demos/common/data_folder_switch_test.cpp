// When the demo programs move into their data folder, and when they stay.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "demos/common/data_folder_switch.h"

namespace fs = std::filesystem;

namespace demo {

class DataFolderSwitchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // CTest runs the cases of this file at the same time, so each one
    // works in a folder of its own.
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::weakly_canonical(fs::path(::testing::TempDir()) / (std::string("demo_data_") + info->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "unpacked/data");
    fs::create_directories(root_ / "elsewhere");
    std::ofstream(root_ / "unpacked/kestrel-timing-test") << "";
    std::ofstream(root_ / "unpacked/data" / kDataMarker) << "";
    previous_ = fs::current_path();
    fs::current_path(root_ / "elsewhere");
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(root_);
  }
  std::string program() const { return (root_ / "unpacked/kestrel-timing-test").string(); }
  fs::path root_;
  fs::path previous_;
};

TEST_F(DataFolderSwitchTest, AnUnpackedProgramMovesIntoItsDataFolderKeepingTheCommandLinePaths) {
  platform::RunOptions options;
  options.timedemoPath = "keys.txt";
  options.recordPath = "/abs/record.txt";
  options.shots.push_back({1.5, "shots/one.bmp"});
  const DataFolderSwitch moved = enterDataFolder(program(), {"../share/games/kestrel", "data"}, options);
  EXPECT_EQ(fs::path(moved.dataFolder), root_ / "unpacked/data");
  EXPECT_EQ(fs::path(moved.startFolder), root_ / "elsewhere");
  EXPECT_EQ(fs::current_path(), root_ / "unpacked/data");
  // Relative paths name files of the starting folder; absolute ones stay.
  EXPECT_EQ(fs::path(options.timedemoPath), root_ / "elsewhere/keys.txt");
  EXPECT_EQ(options.recordPath, "/abs/record.txt");
  EXPECT_EQ(fs::path(options.shots[0].path), root_ / "elsewhere/shots/one.bmp");
  EXPECT_TRUE(options.demoPath.empty());
}

TEST_F(DataFolderSwitchTest, ARunFolderOrAWorkingFolderWithTheFilesStaysWhereItIs) {
  platform::RunOptions options;
  options.timedemoPath = "keys.txt";
  // The working folder holds the files: started from a run folder.
  std::ofstream(root_ / "elsewhere" / kDataMarker) << "";
  EXPECT_TRUE(enterDataFolder(program(), {"data"}, options).dataFolder.empty());
  fs::remove(root_ / "elsewhere" / kDataMarker);
  // The files beside the program: a build's run folder, started elsewhere.
  std::ofstream(root_ / "unpacked" / kDataMarker) << "";
  EXPECT_TRUE(enterDataFolder(program(), {"data"}, options).dataFolder.empty());
  fs::remove(root_ / "unpacked" / kDataMarker);
  // No candidate holds them.
  EXPECT_TRUE(enterDataFolder(program(), {"../share/games/kestrel"}, options).startFolder.empty());
  EXPECT_EQ(fs::current_path(), root_ / "elsewhere");
  EXPECT_EQ(options.timedemoPath, "keys.txt");
}

}  // namespace demo
