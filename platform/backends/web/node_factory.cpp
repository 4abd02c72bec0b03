// The node build replays only: the headless backend with its virtual clock
// (see platform/backend_choice.h), and a silent sound device (as the
// desktop's replays play into SDL's silent driver). It has no window.
#include <memory>

#include "platform/backend_choice.h"
#include "platform/sound_device.h"

namespace platform {

std::optional<StartFailure> initPlatform(const RunOptions& options) {
  return startChosenBackend(options, [](const RunOptions&, std::string& error) -> std::unique_ptr<Backend> {
    error = "the node build only replays: use --timedemo FILE or --verify FILE";
    return nullptr;
  });
}

std::unique_ptr<SoundDevice> makeSoundDevice() { return makeSilentSoundDevice(); }

}  // namespace platform
