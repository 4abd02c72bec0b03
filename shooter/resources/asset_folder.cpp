#include "shooter/resources/asset_folder.h"

namespace shooter {

namespace {
// Fixed before start-up and never changed by a run, so no reset touches it.
std::string assetFolderValue = ".";
}  // namespace

std::string assetPath(const std::string& name) {
  return assetFolderValue == "." ? name : assetFolderValue + "/" + name;
}

void setAssetFolder(const std::string& folder) { assetFolderValue = folder; }

}  // namespace shooter
