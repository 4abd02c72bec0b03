#include "demos/common/data_folder_switch.h"

#include <filesystem>
#include <system_error>

#include "platform/data_folder.h"
#include "platform/utf8_path.h"

namespace fs = std::filesystem;

namespace demo {

DataFolderSwitch enterDataFolder(const std::string& executablePath, const std::vector<std::string>& dataFolders,
                            platform::RunOptions& options) {
  std::error_code error;
  if (fs::exists(kDataMarker, error)) return {};
  if (!platform::findDataFolder(executablePath, {"."}, kDataMarker).empty()) return {};
  const std::string data = platform::findDataFolder(executablePath, dataFolders, kDataMarker);
  if (data.empty()) return {};
  const fs::path start = fs::current_path(error);
  if (error) return {};
  platform::resolvePathsAgainst(options, platform::utf8FromPath(start));
  fs::current_path(platform::pathFromUtf8(data), error);
  if (error) return {};
  return {data, platform::utf8FromPath(start)};
}

}  // namespace demo
