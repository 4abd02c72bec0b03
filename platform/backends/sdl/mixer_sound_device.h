// The sound device over SDL_mixer: stereo 16-bit output, sounds decoded
// whole into memory (Mix_Chunk) from the file's prepared bytes.
#pragma once

#include <memory>

#include "platform/sound_device.h"

namespace platform {

std::unique_ptr<SoundDevice> makeMixerSoundDevice();

}  // namespace platform
