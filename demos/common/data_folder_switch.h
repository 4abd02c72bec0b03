// The demo programs load their pictures and sounds by name from the working
// folder. Installed (or unpacked from the portable archive) they are started
// from anywhere, so they move into their data folder first.
#pragma once

#include <string>
#include <vector>

#include "platform/run_options.h"

namespace demo {

// A file every copy of the demo programs' data holds.
inline constexpr char kDataMarker[] = "Plane1.BMP";

// When neither the working folder nor the executable's own folder holds the
// demo data (a build's run folder does), and one of `dataFolders` (relative
// to the executable's folder) does, makes the file paths in `options`
// absolute and changes into that data folder. F12 screenshots then belong in
// the starting folder, which the caller passes on to the platform.
struct DataFolderSwitch {
  std::string dataFolder;   // the folder changed into, "" when it stayed
  std::string startFolder;  // the working folder at start, "" when it stayed
};
DataFolderSwitch enterDataFolder(const std::string& executablePath, const std::vector<std::string>& dataFolders,
                            platform::RunOptions& options);

}  // namespace demo
