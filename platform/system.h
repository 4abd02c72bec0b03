// The few facts and services that differ between operating systems, behind
// one interface. Each system has one file that implements all of it:
//   system_posix.cpp  Linux and other POSIX desktops
//   system_web.cpp    the browser (emscripten): no executable, storage that
//                     the page writes out after each save
//   system_win32.cpp  Windows (mingw-w64): wide-character calls, the user's
//                     folder in %APPDATA%, the console of a GUI program
// The first two share posix_shared.cpp: the environment, file removal and the
// steps of a durable replacement, with each passing its own flush steps.
// A new system adds one file here and one line to platform/CMakeLists.txt;
// nothing else in the tree tests which system it runs on.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::system {

// ---- Folders ----------------------------------------------------------------

// The absolute path of the running program's executable, "" where there is
// none (the browser) or it cannot be found.
std::string executablePath();

// The folder that keeps this user's Kestrel files (settings, scores, pad
// mappings, screenshots of an installed game), "" when the system gives
// none. Not created here.
std::string userDataFolder();
// How the help texts name that folder to the user, as this system's users
// know it.
const char* userDataFolderForHelp();

// ---- Environment ------------------------------------------------------------

// The value of an environment variable, nothing when it is not set.
std::optional<std::string> environmentVariable(const std::string& name);
// Sets a variable, or removes it when `value` is nothing.
void setEnvironmentVariable(const std::string& name, const std::optional<std::string>& value);
// Sets a variable only when it is not set yet, so the user's choice wins.
void setEnvironmentDefault(const std::string& name, const std::string& value);

// A number that tells this process from others running at the same time
// (scratch file names).
long processId();

// ---- Saving -----------------------------------------------------------------

// Writes `contents` to `temporary`, flushes it to the storage, renames it over
// `path` (in the same folder) and flushes the folder, so that a crash or power
// cut at any moment leaves either the old `path` or the new one, whole. On a
// failure the temporary file is removed and the text of the failing step is
// returned; "" on success.
std::string replaceFileDurably(const std::string& temporary, const std::string& path, std::string_view contents);

// Removes a file; a missing file is no error.
void removeFile(const std::string& path);

}  // namespace platform::system
