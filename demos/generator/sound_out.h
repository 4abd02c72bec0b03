// Writes generated sounds as 16-bit PCM WAV bytes, or as MP3 bytes encoded
// with LAME.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "demos/generator/sound.h"

namespace demo_gen {

std::vector<std::uint8_t> encodeWav(const Samples& mono);
// Empty when the encoder fails.
std::vector<std::uint8_t> encodeMp3(const Samples& mono, int kilobitsPerSecond);
std::vector<std::uint8_t> encodeMp3(const Stereo& sound, int kilobitsPerSecond);

}  // namespace demo_gen
