#include "platform/data_folder.h"

#include <filesystem>
#include <system_error>

#include "platform/utf8_path.h"

namespace fs = std::filesystem;

namespace platform {

std::string findDataFolder(const std::string& executablePath, const std::vector<std::string>& candidates,
                           const std::string& markerFile) {
  if (executablePath.empty()) return "";
  std::error_code error;
  const fs::path exe = fs::weakly_canonical(pathFromUtf8(executablePath), error);
  if (error) return "";
  for (const std::string& candidate : candidates) {
    const fs::path folder = exe.parent_path() / candidate;
    if (!fs::exists(folder / markerFile, error)) continue;
    const fs::path resolved = fs::weakly_canonical(folder, error);
    if (!error) return utf8FromPath(resolved);
  }
  return "";
}

}  // namespace platform
