// The system interface on Linux and other POSIX desktops.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/system.h"

namespace platform::system {

namespace {

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Closes `fd` (when open), removes the temporary file and gives the reason.
std::string giveUp(int error, int fd, const std::string& temporary) {
  if (fd >= 0) ::close(fd);
  ::unlink(temporary.c_str());
  return std::strerror(error);
}

}  // namespace

std::string executablePath() {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return "";
  return std::string(buffer, static_cast<std::size_t>(n));
}

// The XDG base-directory rule: $XDG_DATA_HOME only when it is an absolute
// path (a relative one must be ignored), else ~/.local/share.
std::string userDataFolder() {
  if (const auto xdg = environmentVariable("XDG_DATA_HOME"); xdg && xdg->starts_with('/')) return *xdg + "/kestrel";
  if (const auto home = environmentVariable("HOME"); home && !home->empty()) return *home + "/.local/share/kestrel";
  return "";
}

std::optional<std::string> environmentVariable(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

void setEnvironmentVariable(const std::string& name, const std::optional<std::string>& value) {
  if (value) {
    ::setenv(name.c_str(), value->c_str(), 1);
  } else {
    ::unsetenv(name.c_str());
  }
}

void setEnvironmentDefault(const std::string& name, const std::string& value) {
  ::setenv(name.c_str(), value.c_str(), 0);
}

long processId() { return static_cast<long>(::getpid()); }

std::string replaceFileDurably(const std::string& temporary, const std::string& path, std::string_view contents) {
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return std::strerror(errno);
  std::size_t written = 0;
  while (written < contents.size()) {
    const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return giveUp(errno, fd, temporary);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) return giveUp(errno, fd, temporary);
  if (::close(fd) != 0) return giveUp(errno, -1, temporary);
  if (::rename(temporary.c_str(), path.c_str()) != 0) return giveUp(errno, -1, temporary);
  // Make the rename itself durable.
  const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return "";
}

void removeFile(const std::string& path) { ::unlink(path.c_str()); }

}  // namespace platform::system
