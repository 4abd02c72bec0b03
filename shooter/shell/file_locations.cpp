// Finding the asset and user folders.
#include "shooter/shell/file_locations.h"

#include <filesystem>
#include <system_error>

#include "platform/data_folder.h"
#include "platform/system.h"
#include "platform/utf8_path.h"

namespace fs = std::filesystem;

namespace shooter {

namespace {

// The system's folder for this user's files; the working folder when the
// system gives none.
std::string userDataFolder() {
  const std::string folder = platform::system::userDataFolder();
  return folder.empty() ? "." : folder;
}

}  // namespace

FileLocations findFileLocations(const std::string& executablePath, const std::vector<std::string>& dataFolders) {
  FileLocations where{".", ".", false};
  std::error_code error;
  const fs::path exe = fs::weakly_canonical(platform::pathFromUtf8(executablePath), error);
  if (error || executablePath.empty()) return where;
  const fs::path exeFolder = exe.parent_path();
  // A folder with the sprite sheet beside the program, or the working folder
  // itself holding it, is a run folder: keep everything where it is.
  if (fs::exists(exeFolder / "plik.bmp") || fs::exists("plik.bmp")) return where;
  const std::string data = platform::findDataFolder(executablePath, dataFolders, "plik.bmp");
  if (data.empty()) return where;
  where.assetFolder = data;
  where.userFolder = userDataFolder();
  where.installed = true;
  return where;
}

bool prepareUserFolder(const FileLocations& where, std::string& reason) {
  if (!where.installed) return true;
  std::error_code error;
  fs::create_directories(platform::pathFromUtf8(where.userFolder), error);
  if (error) {
    reason = where.userFolder + ": " + error.message();
    return false;
  }
  for (const char* name : {"settings.dat", "high_scores.dat"}) {
    const fs::path target = platform::pathFromUtf8(where.userFolder) / name;
    if (fs::exists(target)) continue;
    fs::copy_file(platform::pathFromUtf8(where.assetFolder) / name, target, error);
    if (error) {
      reason = platform::utf8FromPath(target) + ": " + error.message();
      return false;
    }
  }
  return true;
}

}  // namespace shooter
