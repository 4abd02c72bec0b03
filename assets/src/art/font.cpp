#include "font.h"

namespace assets {

const FontStyle kGoldFont{
    {paletteColour('w'), paletteColour('Y'), paletteColour('Y'), paletteColour('y'), paletteColour('y'),
     paletteColour('y'), paletteColour('O'), paletteColour('O'), paletteColour('O'), paletteColour('o'),
     paletteColour('o')},
    paletteColour('r')};

const Glyph* findGlyph(char ch) {
  for (const Glyph& g : kGlyphs) {
    if (g.ch == ch) return &g;
  }
  return nullptr;
}

namespace {

bool stroke(const Glyph& g, int x, int y) {
  if (x < 0 || y < 0 || y >= kGlyphRows) return false;
  const std::string_view row = g.rows[static_cast<std::size_t>(y)];
  return x < static_cast<int>(row.size()) && row[static_cast<std::size_t>(x)] == '#';
}

void paintGlyphAt(const Glyph& g, View& v, int ox, int oy, const FontStyle& style) {
  const int w = rectWidth(g.rect);
  for (int y = 0; y < kGlyphRows + 1; ++y) {
    // The last column stays blank: it is spacing, and sometimes shared.
    for (int x = 0; x < w - 1; ++x) {
      if (stroke(g, x, y)) {
        v.set(ox + x, oy + y, style.rows[static_cast<std::size_t>(y)]);
      } else if (stroke(g, x - 1, y) || stroke(g, x, y - 1) || stroke(g, x - 1, y - 1)) {
        v.set(ox + x, oy + y, style.shadow);
      }
    }
  }
}

}  // namespace

void paintGlyph(const Glyph& g, View& v, const FontStyle& style) { paintGlyphAt(g, v, 0, 0, style); }

int drawFontText(View& v, int x, int y, std::string_view text, const FontStyle& style) {
  for (char ch : text) {
    const Glyph* g = findGlyph(ch);
    if (g == nullptr) {
      x += 4;
      continue;
    }
    paintGlyphAt(*g, v, x, y, style);
    x += rectWidth(g->rect);
  }
  return x;
}

int fontTextWidth(std::string_view text) {
  int w = 0;
  for (char ch : text) {
    const Glyph* g = findGlyph(ch);
    w += g == nullptr ? 4 : rectWidth(g->rect);
  }
  return w;
}

}  // namespace assets
