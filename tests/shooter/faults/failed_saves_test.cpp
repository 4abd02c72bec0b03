// Saves that the operating system refuses: a folder the player may not write,
// a full disk, a file-size limit. The old files stay as they were, the game
// plays on exactly as it would have, and each failed save prints one line on
// standard error that names the file and the reason.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "key_script.h"
#include "platform/file_save.h"
#include "scratch_folder.h"
#include "shooter_process.h"

namespace fs = std::filesystem;

namespace faults {

namespace {

// Long enough for at least one game to end with a name entered.
constexpr double kPlayUntil = 90.0;
constexpr uid_t kNobody = 65534;

// Every score is 0, so each game that scores at all enters a name and saves.
std::string emptyScoreTable() { return scoreTable(0, 0); }

void fillForSaving(const ScratchFolder& folder) {
  folder.addEverything();
  folder.write(kScoresFile, emptyScoreTable());
}

// The same run in a folder where saving works: how many names it enters
// (each adds one non-zero score to the table) and the summary to match.
struct Control {
  ShooterResult run;
  int nameEntries = 0;
};

const Control& control() {
  static const Control result = [] {
    Control c;
    ScratchFolder folder("saves-control");
    fillForSaving(folder);
    c.run = runShooter({folder.path(), saveOptionsThenPlay(kPlayUntil).text()});
    for (int i = 1; i <= 10; ++i) c.nameEntries += c.run.value("hs" + std::to_string(i)) > 0 ? 1 : 0;
    // The control must itself show both saves working.
    EXPECT_EQ(c.run.err, "");
    EXPECT_EQ(folder.read(kSettingsFile), "1\r\n0\r\n64\r\n33\r\n0\r\n20\r\n") << "ACCEPT saved the new rate";
    EXPECT_NE(folder.read(kScoresFile), emptyScoreTable()) << "a name was saved";
    return c;
  }();
  return result;
}

void expectTheSavesFailed(const ScratchFolder& folder, const ShooterResult& run, const std::string& reason) {
  const Control& expected = control();
  ASSERT_TRUE(expected.run.exitedCleanly()) << expected.run.describe();
  ASSERT_GE(expected.nameEntries, 1) << "no game ended with a name in " << kPlayUntil << " s\n"
                                     << expected.run.describe();
  EXPECT_TRUE(run.exitedCleanly()) << run.describe();

  // The game went on as if the saves had worked: the same frames, screens,
  // scores and table in memory.
  for (const auto& [name, value] : expected.run.summary) {
    if (name == "wall_seconds" || name == "fps") continue;
    EXPECT_EQ(run.value(name), value) << name << "\n" << run.describe();
  }

  EXPECT_EQ(folder.read(kSettingsFile), kTestSettings) << "the old settings are untouched";
  EXPECT_EQ(folder.read(kScoresFile), emptyScoreTable()) << "the old table is untouched";
  for (const auto& name : folder.names()) EXPECT_EQ(name.find(".saving"), std::string::npos) << name;

  // One line per failed save: settings once, then the table per name entered.
  const auto lines = run.errorLines();
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(1 + expected.nameEntries)) << run.err;
  EXPECT_EQ(lines[0], "shooter: cannot save settings.dat: " + reason);
  for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i], "shooter: cannot save high_scores.dat: " + reason);
}

// Unmounts on the way out, before the folder under it is removed.
struct Mount {
  fs::path at;
  ~Mount() {
    if (!at.empty()) ::umount2(at.c_str(), MNT_DETACH);
  }
};

// Writes a file until the file system has no block left.
bool fillTheDisk(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const std::string block(65536, 'x');
  for (std::size_t size : {block.size(), std::size_t{1}}) {
    while (::write(fd, block.data(), size) > 0) {
    }
  }
  const bool full = errno == ENOSPC;
  ::close(fd);
  return full;
}

}  // namespace

TEST(FailedSaves, AFolderThePlayerMayNotWrite) {
  ScratchFolder folder("read-only");
  fillForSaving(folder);
  ShooterRun request(folder.path(), saveOptionsThenPlay(kPlayUntil).text());
  // Root writes anywhere: the game then runs as the unprivileged "nobody".
  if (::geteuid() == 0) request.user = kNobody;
  fs::permissions(folder.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const auto run = runShooter(request);
  expectTheSavesFailed(folder, run, std::strerror(EACCES));
}

TEST(FailedSaves, AFullDisk) {
  if (::geteuid() != 0) GTEST_SKIP() << "mounting a tiny tmpfs needs root; the file-size limit case still runs";
  ScratchFolder folder("full-disk");
  Mount mount;
  if (::mount("tmpfs", folder.path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=4m,mode=0755") != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
  }
  mount.at = folder.path();
  fillForSaving(folder);
  ASSERT_TRUE(fillTheDisk(folder.path() / "filler"));
  struct statvfs space {};
  ASSERT_EQ(::statvfs(folder.path().c_str(), &space), 0);
  ASSERT_EQ(space.f_bavail, 0u);
  const auto run = runShooter({folder.path(), saveOptionsThenPlay(kPlayUntil).text()});
  expectTheSavesFailed(folder, run, std::strerror(ENOSPC));
}

// Any user can set a file-size limit of 0: every write to a file then fails.
TEST(FailedSaves, AFileSizeLimit) {
  ScratchFolder folder("size-limit");
  fillForSaving(folder);
  ShooterRun request(folder.path(), saveOptionsThenPlay(kPlayUntil).text());
  request.fileSizeLimit = 0;
  const auto run = runShooter(request);
  expectTheSavesFailed(folder, run, std::strerror(EFBIG));
}

// /dev/full in the temporary file's place: the write itself fails, after
// open succeeded, and cleaning up removes the link, not the device.
TEST(FailedSaves, AWriteThatFailsAfterTheOpen) {
  ScratchFolder folder("dev-full");
  const std::string path = (folder.path() / kScoresFile).string();
  folder.write(kScoresFile, emptyScoreTable());
  fs::create_symlink("/dev/full", platform::temporarySavePath(path));
  const auto result = platform::saveFileAtomically(path, scoreTable(90, 10));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.reason, std::strerror(ENOSPC));
  EXPECT_EQ(folder.read(kScoresFile), emptyScoreTable());
  EXPECT_FALSE(fs::exists(fs::symlink_status(platform::temporarySavePath(path))));
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

}  // namespace faults
