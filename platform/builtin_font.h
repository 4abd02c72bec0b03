// The layer's own 8x8 bitmap font, used for pixel text and (rows doubled)
// for 8x16 character cells.
#pragma once

#include <array>
#include <cstdint>

namespace platform {

// Eight rows, top first; bit 7 of a row is the leftmost pixel. Codes outside
// 32..126 give a blank glyph.
const std::array<std::uint8_t, 8>& builtinGlyph(unsigned char code);

}  // namespace platform
