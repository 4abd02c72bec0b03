// The system interface on Linux and other POSIX desktops. The environment,
// file removal and the replacement's common steps are in posix_shared.cpp.
#include <fcntl.h>
#include <unistd.h>

#include <climits>

#include "platform/posix_shared.h"
#include "platform/system.h"

namespace platform::system {

namespace {

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool flushFile(int fd) { return ::fsync(fd) == 0; }

// Makes the rename itself durable.
void flushFolder(const std::string& path) {
  const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
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

const char* userDataFolderForHelp() { return "$XDG_DATA_HOME/kestrel (default ~/.local/share/kestrel)"; }

std::string replaceFileDurably(const std::string& temporary, const std::string& path, std::string_view contents) {
  return posix::replaceFile(temporary, path, contents, {flushFile, flushFolder});
}

}  // namespace platform::system
