// One glyph of the sprite font: its character, its box on the sheet and its
// drawing, 11 rows of '#' (stroke) and '.' (blank).
#pragma once

#include <array>
#include <string_view>

#include "sheet_layout.h"

namespace assets {

inline constexpr int kGlyphRows = 11;
inline constexpr int kGlyphHeight = 13;

struct Glyph {
  char ch;
  SheetRect rect;
  std::array<std::string_view, kGlyphRows> rows;
};

}  // namespace assets
