// Mono 16-bit PCM WAV files, the form of every generated sound effect.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace gen_kit {

std::vector<std::uint8_t> encodeWav16(std::span<const std::int16_t> mono, std::uint32_t sampleRate);

}  // namespace gen_kit
