#include "demos/common/data_folder_switch.h"

#include <filesystem>
#include <system_error>

#include "platform/data_folder.h"

namespace fs = std::filesystem;

namespace demo {

namespace {

void makeAbsolute(std::string& path, const fs::path& start) {
  if (!path.empty() && fs::path(path).is_relative()) path = (start / path).string();
}

}  // namespace

DataFolderSwitch enterDataFolder(const std::string& executablePath, const std::vector<std::string>& dataFolders,
                            platform::RunOptions& options) {
  std::error_code error;
  if (fs::exists(kDataMarker, error)) return {};
  if (!platform::findDataFolder(executablePath, {"."}, kDataMarker).empty()) return {};
  const std::string data = platform::findDataFolder(executablePath, dataFolders, kDataMarker);
  if (data.empty()) return {};
  const fs::path start = fs::current_path(error);
  if (error) return {};
  makeAbsolute(options.recordPath, start);
  makeAbsolute(options.demoPath, start);
  makeAbsolute(options.timedemoPath, start);
  for (platform::ShotRequest& shot : options.shots) makeAbsolute(shot.path, start);
  fs::current_path(data, error);
  if (error) return {};
  return {data, start.string()};
}

}  // namespace demo
