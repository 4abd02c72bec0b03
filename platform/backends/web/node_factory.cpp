// The node build replays timedemos only: the headless backend with its
// virtual clock, and a silent sound device (as the desktop's timedemo runs
// play into SDL's silent driver).
#include <memory>

#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/run_options.h"
#include "platform/sound_device.h"

namespace platform {

std::optional<StartFailure> initPlatform(const RunOptions& options) {
  if (options.timedemoPath.empty()) {
    return StartFailure{options.programName + ": the node build only replays: use --timedemo FILE", kNoWindowSystemExit};
  }
  return initPlatform(std::make_unique<HeadlessBackend>(options.timedemoTickPerRead), options);
}

std::unique_ptr<SoundDevice> makeSoundDevice() { return makeSilentSoundDevice(); }

}  // namespace platform
