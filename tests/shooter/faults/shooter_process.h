// Runs the real `shooter` executable as a child process: a headless timedemo
// in a given working folder, optionally as another user or with a file-size
// limit, with its standard output and error captured.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace faults {

struct ShooterRun {
  ShooterRun(std::filesystem::path folderIn, std::string scriptIn)
      : folder(std::move(folderIn)), script(std::move(scriptIn)) {}

  std::filesystem::path folder;  // the working folder
  std::string script;            // the timedemo input script's text
  std::vector<std::pair<std::string, std::string>> environment;  // set on top of the test's own
  std::optional<uid_t> user;     // run as this user (and its group of the same number)
  std::optional<long> fileSizeLimit;  // RLIMIT_FSIZE in bytes, with SIGXFSZ ignored
};

struct ShooterResult {
  bool ended = false;  // false: killed after the time limit
  int exitCode = -1;   // when it exited
  int signal = 0;      // when a signal ended it
  std::string out;
  std::string err;
  std::map<std::string, double> summary;  // the timedemo line's name=value pairs

  bool exitedCleanly() const { return ended && signal == 0 && exitCode == 0; }
  double value(const std::string& name) const;  // -1 when the summary lacks it
  // Every line of standard error, without line ends.
  std::vector<std::string> errorLines() const;
  // What a failed expectation prints: how the run ended and its output.
  std::string describe() const;
};

// The run's time limit is generous: sanitizer builds are many times slower.
ShooterResult runShooter(const ShooterRun& run, int timeLimitSeconds = 120);

// The executable under test and the build's run folder with the game's files.
std::filesystem::path shooterExecutable();
std::filesystem::path runFolder();

}  // namespace faults
