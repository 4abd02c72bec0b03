// Where the game's read-only pictures and sounds are. The program sets the
// folder once, before start-up (an install's data folder; the working folder
// when run from a build), and everything that loads a picture or a sound
// asks here.
#pragma once

#include <string>

namespace shooter {

// The path of a read-only game file.
std::string assetPath(const std::string& name);
// Set once by the program's main, before start-up.
void setAssetFolder(const std::string& folder);

}  // namespace shooter
