#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "gen_kit/synth.h"
#include "gen_kit/wav16.h"

namespace assets {
namespace {

std::uint32_t get32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t get16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
bool tagAt(std::span<const std::uint8_t> b, std::size_t at, std::string_view tag) {
  return at + 4 <= b.size() && std::memcmp(b.data() + at, tag.data(), 4) == 0;
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const Sound& sound) {
  return gen_kit::encodeWav16(gen_kit::toPcm16(sound.samples), static_cast<std::uint32_t>(sound.sampleRate));
}

std::optional<WavData> decodeWav(std::span<const std::uint8_t> b) {
  if (b.size() < 12 || !tagAt(b, 0, "RIFF") || !tagAt(b, 8, "WAVE")) return std::nullopt;
  if (get32(b, 4) + 8u != b.size()) return std::nullopt;
  WavData w;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::uint32_t size = get32(b, at + 4);
    const std::size_t body = at + 8;
    if (size > b.size() - body) return std::nullopt;
    if (tagAt(b, at, "fmt ")) {
      if (size < 16 || get16(b, body) != 1) return std::nullopt;
      w.channels = get16(b, body + 2);
      w.sampleRate = static_cast<int>(get32(b, body + 4));
      w.bitsPerSample = get16(b, body + 14);
      const std::uint32_t blockAlign = get16(b, body + 12);
      const std::uint32_t byteRate = get32(b, body + 8);
      if (w.bitsPerSample != 16 || w.channels < 1 ||
          blockAlign != static_cast<std::uint32_t>(w.channels) * 2u ||
          byteRate != static_cast<std::uint32_t>(w.sampleRate) * blockAlign) {
        return std::nullopt;
      }
      haveFormat = true;
    } else if (tagAt(b, at, "data")) {
      if (!haveFormat || size % 2u != 0) return std::nullopt;
      for (std::size_t i = 0; i < size; i += 2) w.samples.push_back(static_cast<std::int16_t>(get16(b, body + i)));
      return w;
    }
    at = body + size + (size & 1u);
  }
  return std::nullopt;
}

}  // namespace assets
