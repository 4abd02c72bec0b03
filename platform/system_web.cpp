// The system interface in the browser. The program has no executable file
// and the player's files live in the page's browser storage, which is the
// working folder; the page writes that storage out when told a save is done.
// The environment, file removal and the replacement's common steps are in
// posix_shared.cpp.
#include <emscripten.h>

#include "platform/posix_shared.h"
#include "platform/system.h"

namespace platform::system {

namespace {

// The in-memory file system cannot be flushed; the rename keeps the old file
// whole until the new one is complete, and the page's storage is written out
// at the end, so closing the tab after a save keeps that save.
bool flushFile(int) { return true; }

void tellThePage(const std::string&) {
  EM_ASM({
    if (Module.kestrelSaved) Module.kestrelSaved();
  });
}

}  // namespace

std::string executablePath() { return ""; }

std::string userDataFolder() { return ""; }

const char* userDataFolderForHelp() { return "the browser's storage"; }

std::string replaceFileDurably(const std::string& temporary, const std::string& path, std::string_view contents) {
  return posix::replaceFile(temporary, path, contents, {flushFile, tellThePage});
}

}  // namespace platform::system
