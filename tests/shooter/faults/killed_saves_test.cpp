// SIGKILL in the middle of saving the high-score table, 200 times. A child
// process saves the table with the game's own code, alternating two tables,
// while the test traces its system calls and kills it at a seeded random
// one, before or after it runs. Files change only through system calls, so
// this reaches every state a crash can leave, and the same seed always kills
// at the same points. Each time, the file must be one whole table.
#include <gtest/gtest.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>

#include "key_script.h"
#include "platform/file_save.h"
#include "platform/text_file.h"
#include "scratch_folder.h"
#include "shooter/shell/high_scores.h"
#include "shooter_process.h"

namespace fs = std::filesystem;

namespace faults {

namespace {

constexpr int kKills = 200;
constexpr unsigned kSeed = 20240917;
constexpr int kSyscallStop = SIGTRAP | 0x80;  // with PTRACE_O_TRACESYSGOOD

const std::string kOldTable = scoreTable(90, 10);
const std::string kNewTable = scoreTable(5000, 300);

// The child: stops for its tracer, then saves new, old, new ... `saves` times.
[[noreturn]] void saveTables(const std::string& path, int saves) {
  if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) ::_exit(3);
  ::raise(SIGSTOP);
  const auto oldTable = shooter::parseHighScores(kOldTable);
  const auto newTable = shooter::parseHighScores(kNewTable);
  for (int i = 0; i < saves; ++i) {
    shooter::saveHighScores(i % 2 == 0 ? newTable : oldTable, path);
  }
  ::_exit(0);  // not exit(): the forked test's own exit handlers must not run
}

struct Traced {
  bool traceable = false;
  int stops = 0;        // system-call entries and exits seen
  bool killed = false;  // false: the child finished its saves first
};

// Runs the child and kills it at system-call stop `killAt` (0: never).
Traced traceSaves(const std::string& path, int saves, int killAt) {
  Traced t;
  const pid_t pid = ::fork();
  if (pid == 0) saveTables(path, saves);
  if (pid < 0) return t;
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFSTOPPED(status)) return t;  // ptrace refused: the child exited
  t.traceable = true;
  ::ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
  long pass = 0;  // a signal to hand on to the child
  while (true) {
    // A tracer that cannot resume or wait for its child (the system took
    // tracing away) stops: a stale status must never be read again.
    if (::ptrace(PTRACE_SYSCALL, pid, nullptr, pass) != 0) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      t.traceable = false;
      break;
    }
    pass = 0;
    if (::waitpid(pid, &status, 0) != pid) {
      ::kill(pid, SIGKILL);
      t.traceable = false;
      break;
    }
    if (WIFEXITED(status) || WIFSIGNALED(status)) break;
    if (WSTOPSIG(status) != kSyscallStop) {
      pass = WSTOPSIG(status);
      continue;
    }
    if (++t.stops == killAt) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      t.killed = true;
      break;
    }
  }
  return t;
}

}  // namespace

TEST(KilledSaves, EveryKillLeavesAWholeOldOrNewTable) {
  ScratchFolder folder("killed-saves");
  const std::string path = (folder.path() / kScoresFile).string();
  const std::string leftover = platform::temporarySavePath(path);

  // How many stops one save takes, to spread the kills over the first three.
  folder.write(kScoresFile, kOldTable);
  const Traced calibration = traceSaves(path, 10, 0);
  if (!calibration.traceable) GTEST_SKIP() << "this system does not let a process trace its child (ptrace)";
  const int stopsPerSave = calibration.stops / 10;
  ASSERT_GE(stopsPerSave, 8) << "open, write, fsync, close, rename, open, fsync, close: entry and exit of each";

  std::mt19937 random(kSeed);
  std::uniform_int_distribution<int> moment(1, 3 * stopsPerSave);
  int damaged = 0, oldKept = 0, newKept = 0, leftovers = 0;
  ScratchFolder leftoverCase("killed-leftover");
  for (int i = 0; i < kKills; ++i) {
    folder.write(kScoresFile, kOldTable);
    const Traced kill = traceSaves(path, 1000, moment(random));
    ASSERT_TRUE(kill.killed);
    const auto text = platform::readWholeFile(path);
    if (text == kOldTable) {
      ++oldKept;
    } else if (text == kNewTable) {
      ++newKept;
    } else {
      ++damaged;
      ADD_FAILURE() << "kill " << i << " at stop " << kill.stops << " left:\n" << text.value_or("(no file)");
    }
    if (fs::exists(leftover)) {
      // Keep the first real leftover for the game to clean up below.
      if (leftovers++ == 0) {
        fs::copy_file(path, leftoverCase.path() / kScoresFile);
        fs::copy_file(leftover, leftoverCase.path() / fs::path(leftover).filename());
      }
      fs::remove(leftover);
    }
  }
  std::cout << "kills=" << kKills << " damaged=" << damaged << " old=" << oldKept << " new=" << newKept
            << " leftover_temporary_files=" << leftovers << " stops_per_save=" << stopsPerSave << "\n";
  EXPECT_EQ(damaged, 0);
  // Kills fell on both sides of the rename: the test reached both outcomes.
  EXPECT_GT(oldKept, 0);
  EXPECT_GT(newKept, 0);
  ASSERT_GT(leftovers, 0) << "some kills fall between creating the temporary file and the rename";

  // The game started after such a crash removes the leftover and reads the
  // whole table beside it.
  const std::string kept = leftoverCase.read(kScoresFile);
  leftoverCase.addStartFiles();
  leftoverCase.write(kScoresFile, kept);
  const auto run = runShooter({leftoverCase.path(), KeyScript().close(1.0).text()});
  EXPECT_TRUE(run.exitedCleanly()) << run.describe();
  EXPECT_EQ(leftoverCase.names(), (std::vector<std::string>{kScoresFile, kSettingsFile}));
  const auto table = shooter::parseHighScores(kept);
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(run.value("hs" + std::to_string(i)), table[static_cast<std::size_t>(i)].score) << run.describe();
  }
}

}  // namespace faults
