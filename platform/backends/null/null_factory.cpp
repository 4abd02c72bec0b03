// The factory of builds that only replay: the headless backend with its
// virtual clock (see platform/backends/backend_choice.h) and a silent sound
// device. It has no window and links no window or sound system. The node
// build replays timedemos with it, and the game's unit tests link it so that
// they need no SDL.
#include <memory>

#include "platform/backends/backend_choice.h"
#include "platform/sound_device.h"

namespace platform {

std::optional<StartFailure> initPlatform(const RunOptions& options) {
  return startChosenBackend(options, [](const RunOptions&, std::string& error) -> std::unique_ptr<Backend> {
    error = "this build only replays: use --timedemo FILE or --verify FILE";
    return nullptr;
  });
}

std::unique_ptr<SoundDevice> makeSoundDevice() { return makeSilentSoundDevice(); }

}  // namespace platform
