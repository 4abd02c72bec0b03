// The part of the system interface that the POSIX desktop and the browser
// share: the browser's C library is a POSIX one, so the environment, the
// process id, file removal and the steps of a durable file replacement are
// written once, in posix_shared.cpp. Each of the two system files passes the
// steps that differ between them.
#pragma once

#include <string>
#include <string_view>

namespace platform::system::posix {

// The steps of a durable replacement that depend on the system.
struct ReplaceSteps {
  // Flushes the written, still open file to the storage; false with errno
  // set when that fails.
  bool (*flushFile)(int fd);
  // Runs once the new file has been renamed over `path`: makes the rename
  // itself durable, or tells the host that a save is complete.
  void (*afterRename)(const std::string& path);
};

// replaceFileDurably (platform/system.h) with the system's steps: writes
// `contents` to `temporary`, flushes it, closes it, renames it over `path`
// and then runs afterRename. On a failure the temporary file is removed and
// the text of the failing step is returned; "" on success.
std::string replaceFile(const std::string& temporary, const std::string& path, std::string_view contents,
                        const ReplaceSteps& steps);

}  // namespace platform::system::posix
