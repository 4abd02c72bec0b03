// Finding a program's read-only files when it is installed or unpacked
// somewhere and started from an unrelated working folder.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The first candidate folder, each relative to the folder holding the
// executable, that contains `markerFile`, as an absolute path; "" when none
// does or the executable's path cannot be resolved.
std::string findDataFolder(const std::string& executablePath, const std::vector<std::string>& candidates,
                           const std::string& markerFile);

}  // namespace platform
