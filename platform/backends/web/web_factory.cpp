// The backend and sound device of the browser pages: the canvas backend, or
// the headless one when the options call for it (see
// platform/backends/backend_choice.h); Web Audio for sound.
#include <memory>

#include "platform/backends/backend_choice.h"
#include "platform/backends/web/web_backend.h"
#include "platform/backends/web/web_sound_device.h"
#include "platform/sound_device.h"

namespace platform {

std::optional<StartFailure> initPlatform(const RunOptions& options) {
  return startChosenBackend(options, [](const RunOptions& o, std::string&) { return makeWebBackend(o); });
}

std::unique_ptr<SoundDevice> makeSoundDevice() { return makeWebAudioSoundDevice(); }

}  // namespace platform
