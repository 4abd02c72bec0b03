// Crash-safe saving through a temporary file in the same folder; the system
// file does the writing, flushing and renaming.
#include "platform/file_save.h"

#include <utility>

#include "platform/system.h"

namespace platform {

std::string temporarySavePath(const std::string& path) { return path + ".saving"; }

SaveResult saveFileAtomically(const std::string& path, std::string_view contents) {
  std::string reason = system::replaceFileDurably(temporarySavePath(path), path, contents);
  return {reason.empty(), std::move(reason)};
}

void removeStaleSave(const std::string& path) { system::removeFile(temporarySavePath(path)); }

}  // namespace platform
