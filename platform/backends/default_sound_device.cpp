// The sound device of the desktop build. Kept out of the platform core, like
// the backend factory, so that the core and its tests link without SDL.
#include "platform/backends/sdl/mixer_sound_device.h"
#include "platform/sound_device.h"

namespace platform {

std::unique_ptr<SoundDevice> makeSoundDevice() { return makeMixerSoundDevice(); }

}  // namespace platform
