#include "platform/posix_shared.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/system.h"

namespace platform::system {

namespace {

// Closes `fd` (when open), removes the temporary file and gives the reason.
std::string giveUp(int error, int fd, const std::string& temporary) {
  if (fd >= 0) ::close(fd);
  ::unlink(temporary.c_str());
  return std::strerror(error);
}

}  // namespace

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

void removeFile(const std::string& path) { ::unlink(path.c_str()); }

namespace posix {

std::string replaceFile(const std::string& temporary, const std::string& path, std::string_view contents,
                        const ReplaceSteps& steps) {
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
  if (!steps.flushFile(fd)) return giveUp(errno, fd, temporary);
  if (::close(fd) != 0) return giveUp(errno, -1, temporary);
  if (::rename(temporary.c_str(), path.c_str()) != 0) return giveUp(errno, -1, temporary);
  steps.afterRename(path);
  return "";
}

}  // namespace posix

}  // namespace platform::system
