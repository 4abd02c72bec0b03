// Saving through a temporary file: the old file survives every failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/file_save.h"
#include "platform/text_file.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

fs::path freshFolder(const char* name) {
  const fs::path dir = fs::path(testing::TempDir()) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

}  // namespace

TEST(AtomicSave, ReplacesTheFileAndLeavesNoStrayFiles) {
  const fs::path dir = freshFolder("save_ok");
  const std::string path = (dir / "scores.dat").string();
  ASSERT_TRUE(saveFileAtomically(path, "old\r\n").ok);
  const SaveResult result = saveFileAtomically(path, "new\r\n");
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.reason, "");
  EXPECT_EQ(*readWholeFile(path), "new\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(AtomicSave, FailureIsReportedWithAReasonAndKeepsTheOldFile) {
  const fs::path dir = freshFolder("save_fail");
  const std::string path = (dir / "settings.dat").string();
  ASSERT_TRUE(saveFileAtomically(path, "keep").ok);
  // A folder where the temporary file should go makes its creation fail,
  // whatever the user's privileges.
  fs::create_directory(temporarySavePath(path));
  const SaveResult result = saveFileAtomically(path, "lost");
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.reason.empty());
  EXPECT_EQ(*readWholeFile(path), "keep");
  fs::remove(temporarySavePath(path));

  const SaveResult missing = saveFileAtomically((dir / "no" / "such" / "f.dat").string(), "x");
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.reason.find("No such file"), std::string::npos) << missing.reason;
}

TEST(AtomicSave, StaleTemporaryFileIsRemoved) {
  const fs::path dir = freshFolder("save_stale");
  const std::string path = (dir / "high_scores.dat").string();
  std::ofstream(temporarySavePath(path)) << "half written";
  removeStaleSave(path);
  EXPECT_FALSE(fs::exists(temporarySavePath(path)));
  removeStaleSave(path);  // nothing left: harmless
}
