// Appending little-endian numbers to a byte buffer, for the file writers
// (BMP and WAV headers) of the programs and of the asset generators.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

inline void appendLe16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFFu));
}

inline void appendLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  appendLe16(out, v & 0xFFFFu);
  appendLe16(out, v >> 16);
}

}  // namespace platform
