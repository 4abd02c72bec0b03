// Saving a file so that a crash or power cut at any moment leaves either the
// old file or the new one, whole: write a temporary file in the same folder,
// flush and fsync it, rename it over the old one, then fsync the folder.
#pragma once

#include <string>
#include <string_view>

namespace platform {

struct SaveResult {
  bool ok = false;
  std::string reason;  // strerror text of the step that failed, "" on success
};

SaveResult saveFileAtomically(const std::string& path, std::string_view contents);

// The name of the temporary file used while saving `path`.
std::string temporarySavePath(const std::string& path);

// Removes a temporary file left behind by a save that was cut short.
void removeStaleSave(const std::string& path);

}  // namespace platform
