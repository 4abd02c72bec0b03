// The system interface in the browser. The program has no executable file
// and the player's files live in the page's browser storage, which is the
// working folder; the page writes that storage out when told a save is done.
#include <emscripten.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cerrno>

#include "platform/system.h"

namespace platform::system {

std::string executablePath() { return ""; }

std::string userDataFolder() { return ""; }

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

// The in-memory file system cannot be flushed; the rename keeps the old file
// whole until the new one is complete, and the page's storage is written out
// at the end, so closing the tab after a save keeps that save.
std::string replaceFileDurably(const std::string& temporary, const std::string& path, std::string_view contents) {
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return std::strerror(errno);
  const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
  const int writeError = errno;
  if (std::fclose(file) != 0 || !written) {
    const int error = written ? errno : writeError;
    std::remove(temporary.c_str());
    return std::strerror(error);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    std::remove(temporary.c_str());
    return std::strerror(error);
  }
  EM_ASM({
    if (Module.kestrelSaved) Module.kestrelSaved();
  });
  return "";
}

void removeFile(const std::string& path) { std::remove(path.c_str()); }

}  // namespace platform::system
