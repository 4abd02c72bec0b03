// The backend and sound device of the browser pages: the canvas backend, or
// the headless one for --timedemo; Web Audio for sound.
#include <memory>

#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/web/web_backend.h"
#include "platform/backends/web/web_sound_device.h"
#include "platform/platform.h"
#include "platform/run_options.h"
#include "platform/sound_device.h"

namespace platform {

std::optional<StartFailure> initPlatform(const RunOptions& options) {
  std::unique_ptr<Backend> chosen;
  if (!options.timedemoPath.empty()) {
    chosen = std::make_unique<HeadlessBackend>(options.timedemoTickPerRead);
  } else {
    chosen = makeWebBackend(options);
  }
  return initPlatform(std::move(chosen), options);
}

std::unique_ptr<SoundDevice> makeSoundDevice() { return makeWebAudioSoundDevice(); }

}  // namespace platform
