// fork/exec of `shooter` with pipes for its output and a pidfd to wait on, so
// the wait has a time limit without polling the clock in a loop.
#include "shooter_process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <grp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <sstream>

#include "platform/system.h"

namespace fs = std::filesystem;

namespace faults {

namespace {

// Writes the script beside the working folder, readable by any user, so that
// the folder under test holds only the game's own files.
fs::path writeScript(const std::string& text) {
  std::string pattern = (fs::path(::testing::TempDir()) / "kestrel-script-XXXXXX").string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return {};
  ::fchmod(fd, 0644);
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return pattern;
}

void parseSummary(ShooterResult& result) {
  const auto at = result.out.rfind("timedemo:");
  if (at == std::string::npos) return;
  std::istringstream words(result.out.substr(at, result.out.find('\n', at) - at));
  std::string word;
  while (words >> word) {
    const auto equals = word.find('=');
    if (equals == std::string::npos) continue;
    result.summary[word.substr(0, equals)] = std::atof(word.c_str() + equals + 1);
  }
}

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void becomeShooter(const ShooterRun& run, const std::string& exe, const std::string& script,
                                int outFd, int errFd) {
  ::dup2(outFd, STDOUT_FILENO);
  ::dup2(errFd, STDERR_FILENO);
  if (::chdir(run.folder.c_str()) != 0) ::_exit(126);
  if (run.fileSizeLimit) {
    ::signal(SIGXFSZ, SIG_IGN);  // an ignored signal stays ignored across exec
    const rlimit limit{static_cast<rlim_t>(*run.fileSizeLimit), static_cast<rlim_t>(*run.fileSizeLimit)};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
  }
  if (run.user) {
    const gid_t group = static_cast<gid_t>(*run.user);
    if (::setgroups(0, nullptr) != 0 || ::setgid(group) != 0 || ::setuid(*run.user) != 0) ::_exit(126);
  }
  const char* argv[] = {exe.c_str(), "--timedemo", script.c_str(), "--seed", "7", nullptr};
  ::execv(exe.c_str(), const_cast<char* const*>(argv));
  ::_exit(127);
}

}  // namespace

fs::path shooterExecutable() { return KESTREL_SHOOTER_EXE; }
fs::path runFolder() { return KESTREL_RUN_FOLDER; }

double ShooterResult::value(const std::string& name) const {
  const auto it = summary.find(name);
  return it == summary.end() ? -1 : it->second;
}

std::vector<std::string> ShooterResult::errorLines() const {
  std::vector<std::string> lines;
  std::istringstream in(err);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string ShooterResult::describe() const {
  std::ostringstream text;
  if (!ended) {
    text << "did not end within its time limit";
  } else if (signal != 0) {
    text << "ended by signal " << signal;
  } else {
    text << "exited with " << exitCode;
  }
  text << "\n--- stdout ---\n" << out << "--- stderr ---\n" << err;
  return text.str();
}

ShooterResult runShooter(const ShooterRun& run, int timeLimitSeconds) {
  ShooterResult result;
  const std::string exe = shooterExecutable().string();
  const fs::path script = writeScript(run.script);
  int out[2], err[2];
  if (script.empty() || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
    result.err = "cannot prepare the run\n";
    return result;
  }
  // The child's environment: the test's own with the SDL dummy drivers and
  // the run's additions on top. Set here, before fork, where allocating is safe.
  std::vector<std::pair<std::string, std::optional<std::string>>> saved;
  auto setVariable = [&saved](const std::string& name, const std::string& value) {
    saved.emplace_back(name, platform::system::environmentVariable(name));
    platform::system::setEnvironmentVariable(name, value);
  };
  setVariable("SDL_VIDEODRIVER", "dummy");
  setVariable("SDL_AUDIODRIVER", "dummy");
  for (const auto& [name, value] : run.environment) setVariable(name, value);

  const pid_t pid = ::fork();
  if (pid == 0) becomeShooter(run, exe, script.string(), out[1], err[1]);
  for (auto it = saved.rbegin(); it != saved.rend(); ++it) platform::system::setEnvironmentVariable(it->first, it->second);
  ::close(out[1]);
  ::close(err[1]);
  if (pid < 0) {
    ::close(out[0]);
    ::close(err[0]);
    fs::remove(script);
    result.err = "fork failed\n";
    return result;
  }
  const int pidFd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));

  // Drain both pipes until the child closes them or the time limit passes.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeLimitSeconds);
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open = 2;
  bool timedOut = false;
  while (open > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      timedOut = true;
      break;
    }
    if (::poll(fds, 2, static_cast<int>(left.count())) < 0 && errno != EINTR) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  // The pipes close at exit, but a grandchild could hold them: wait for the
  // process itself within what is left of the limit.
  if (!timedOut && pidFd >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd done{pidFd, POLLIN, 0};
    timedOut = left.count() <= 0 || ::poll(&done, 1, static_cast<int>(left.count())) == 0;
  }
  if (timedOut) ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  for (const auto& fd : fds) {
    if (fd.fd >= 0) ::close(fd.fd);
  }
  if (pidFd >= 0) ::close(pidFd);
  fs::remove(script);

  result.ended = !timedOut;
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  parseSummary(result);
  return result;
}

}  // namespace faults
