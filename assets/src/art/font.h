// The game's sprite font: capitals, digits and three punctuation marks, each
// drawn in the glyph box the game's text routine reads from the sheet. A box
// is 13 rows; the letter takes rows 0-10 and a drop shadow one pixel right
// and below. The box's last column is left blank as letter spacing (and is
// the column some neighbours share).
#pragma once

#include <array>
#include <string_view>

#include "core/palette.h"
#include "core/grid.h"
#include "font_glyphs.h"

namespace assets {


const Glyph* findGlyph(char ch);

// Colours of a glyph: a ramp from its top row to its bottom row, and the
// shadow.
struct FontStyle {
  std::array<Colour, kGlyphRows> rows;
  Colour shadow;
};
extern const FontStyle kGoldFont;

void paintGlyph(const Glyph& g, View& v, const FontStyle& style = kGoldFont);

// Sets `text` left to right from (x, y) as the game would; returns the x
// after the last glyph. A space advances 4 pixels.
int drawFontText(View& v, int x, int y, std::string_view text, const FontStyle& style = kGoldFont);
int fontTextWidth(std::string_view text);

}  // namespace assets
