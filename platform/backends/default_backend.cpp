// The desktop build's factory: the SDL window backend, or the headless one
// when the options call for it (see platform/backends/backend_choice.h). Kept out of
// the platform core so that the core and its tests link without any window
// system.
#include "platform/backends/backend_choice.h"
#include "platform/backends/sdl/sdl_backend.h"
#include "platform/system.h"

namespace platform {

std::optional<StartFailure> initPlatform(const RunOptions& options) {
  // A headless run's sound still goes through the same code paths, into
  // SDL's silent driver.
  if (runsHeadless(options)) system::setEnvironmentDefault("SDL_AUDIODRIVER", "dummy");
  return startChosenBackend(options, makeSdlBackend);
}

}  // namespace platform
