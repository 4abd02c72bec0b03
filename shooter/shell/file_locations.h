// Where `shooter` finds its files. Run from a build's run folder (or any
// folder holding the game's pictures), everything is read from and saved to
// the working folder. Installed, the pictures and sounds are read from the
// installed data folder and each user's settings and scores live in
// $XDG_DATA_HOME/kestrel (~/.local/share/kestrel), created with the default
// files on first start and never overwritten.
#pragma once

#include <string>

namespace shooter {

struct FileLocations {
  std::string assetFolder;  // read-only pictures and sounds ("." when portable)
  std::string userFolder;   // settings.dat and high_scores.dat ("." when portable)
  bool installed = false;
};

// Decides the folders from the executable's own path, the environment and
// the install's data folder (relative to the executable: ../share/kestrel).
FileLocations findFileLocations(const std::string& executablePath, const std::string& installDataRelative);

// Creates the user folder and copies the default data files into it where
// they are missing. Returns false (with a reason) when the folder cannot be made.
bool prepareUserFolder(const FileLocations& where, std::string& reason);

// The path of a read-only game file.
std::string assetPath(const std::string& name);
// Set once at start.
void setAssetFolder(const std::string& folder);

}  // namespace shooter
