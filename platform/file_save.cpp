// Crash-safe saving through a temporary file and rename(2).
#include "platform/file_save.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace platform {

std::string temporarySavePath(const std::string& path) { return path + ".saving"; }

namespace {

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

SaveResult failure(int error) { return {false, std::strerror(error)}; }

}  // namespace

SaveResult saveFileAtomically(const std::string& path, std::string_view contents) {
  const std::string temporary = temporarySavePath(path);
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return failure(errno);
  std::size_t written = 0;
  while (written < contents.size()) {
    const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      ::unlink(temporary.c_str());
      return failure(error);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    return failure(error);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return failure(error);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return failure(error);
  }
  // Make the rename itself durable.
  const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
#ifdef __EMSCRIPTEN__
  // In the browser the folder is IndexedDB storage; the page writes it out
  // now, so closing the tab after a save keeps that save.
  EM_ASM({
    if (Module.kestrelSaved) Module.kestrelSaved();
  });
#endif
  return {true, ""};
}

void removeStaleSave(const std::string& path) { ::unlink(temporarySavePath(path).c_str()); }

}  // namespace platform
