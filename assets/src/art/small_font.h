// A compact bold lettering, 8 rows tall, for the menu labels, the high-score
// title and the logo, where the game's 13-row font would not fit.
#pragma once

#include <string_view>

#include "core/palette.h"

namespace assets {

inline constexpr int kSmallFontHeight = 8;

// Width of `text` with one blank column between letters; a space is 4 wide.
int smallTextWidth(std::string_view text);
// Draws `text` with the top-left at (x, y). The colour of a stroke pixel is
// `top` in the upper half of the letter and `bottom` in the lower half.
void drawSmallText(View& v, int x, int y, std::string_view text, Colour top, Colour bottom);

}  // namespace assets
