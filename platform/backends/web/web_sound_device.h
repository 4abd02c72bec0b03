// The sound device of the browser build: Web Audio. Files are decoded with
// decodeAudioData (WAV and MP3; OGG where the browser has it); every channel
// is a gain node, a playing sound a buffer source on it.
#pragma once

#include <memory>

#include "platform/sound_device.h"

namespace platform {

std::unique_ptr<SoundDevice> makeWebAudioSoundDevice();

}  // namespace platform
