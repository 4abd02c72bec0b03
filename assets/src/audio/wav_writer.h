// Sounds as mono float samples in -1..1, and their encoding as 16-bit PCM
// WAV files (and back, for checking what was written).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace assets {

inline constexpr int kSampleRate = 22050;

struct Sound {
  int sampleRate = kSampleRate;
  std::vector<float> samples;
};

std::vector<std::uint8_t> encodeWav(const Sound& sound);

struct WavData {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::vector<std::int16_t> samples;
};

// Reads a PCM WAV file's format and 16-bit samples; nothing for a file that
// is not one (bad chunk ids or sizes that do not add up).
std::optional<WavData> decodeWav(std::span<const std::uint8_t> bytes);

}  // namespace assets
