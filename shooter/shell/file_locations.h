// Where `shooter` finds its files. Run from a build's run folder (or any
// folder holding the game's pictures), everything is read from and saved to
// the working folder. Installed or unpacked from the portable archive, the
// pictures and sounds are read from the data folder and each user's
// settings and scores live in $XDG_DATA_HOME/kestrel
// (~/.local/share/kestrel), created with the default files on first start
// and never overwritten.
#pragma once

#include <string>
#include <vector>

namespace shooter {

struct FileLocations {
  std::string assetFolder;  // read-only pictures and sounds ("." when portable)
  std::string userFolder;   // settings.dat and high_scores.dat ("." when portable)
  bool installed = false;
};

// Decides the folders from the executable's own path, the environment and
// the data folders to look for, each relative to the executable's folder
// (an install's ../share/kestrel, a portable archive's data); the first one
// holding the sprite sheet is used.
FileLocations findFileLocations(const std::string& executablePath, const std::vector<std::string>& dataFolders);

// Creates the user folder and copies the default data files into it where
// they are missing. Returns false (with a reason) when the folder cannot be made.
bool prepareUserFolder(const FileLocations& where, std::string& reason);

}  // namespace shooter
