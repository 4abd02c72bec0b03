// The backend a program gets when its main() calls initPlatform(options):
// the headless one for --timedemo, otherwise the window backend of this
// build. Kept out of the platform core so that the core and its tests link
// without any window system.
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/sdl/sdl_backend.h"
#include "platform/platform.h"
#include "platform/run_options.h"

namespace platform {

std::optional<StartFailure> initPlatform(const RunOptions& options) {
  std::unique_ptr<Backend> chosen;
  if (!options.timedemoPath.empty()) {
    // Sound still runs through the same code paths, into SDL's silent driver.
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    chosen = std::make_unique<HeadlessBackend>(options.timedemoTickPerRead);
  } else {
    std::string error;
    chosen = makeSdlBackend(options, error);
    if (!chosen) return StartFailure{options.programName + ": " + error, kNoWindowSystemExit};
  }
  return initPlatform(std::move(chosen), options);
}

}  // namespace platform
