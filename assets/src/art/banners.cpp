// The start banner (88, 100x20: "READY!") and the game-over banner (89,
// 100x40: "GAME" over "OVER"), plates with a bevelled frame that the game
// drops at the centre of the screen. Frame 2 lights the frame up, so the
// banner flashes as it cycles.
#include <string_view>

#include "art.h"
#include "gen_kit/draw.h"
#include "font.h"

namespace assets {
namespace {

void paintPlate(View& v, char rimDark, char rimLight, bool lit) {
  const int w = v.width();
  const int h = v.height();
  fillBox(v, 0, 0, w, h, paletteColour('k'));
  fillBox(v, 1, 1, w - 2, h - 2, paletteColour(lit ? rimLight : rimDark));
  fillBox(v, 2, 2, w - 4, h - 4, paletteColour(lit ? rimDark : rimLight));
  fillBox(v, 3, 3, w - 6, h - 6, paletteColour('b'));
  // A faint band of light across the upper half of the plate.
  for (int y = 3; y < h / 2; ++y) {
    for (int x = 3; x < w - 3; ++x) v.set(x, y, dither(x, y, paletteColour('b'), paletteColour('B'), 0.35));
  }
}

void centredText(View& v, int y, std::string_view text, const FontStyle& style) {
  drawFontText(v, (v.width() - fontTextWidth(text)) / 2 + 1, y, text, style);
}

const FontStyle kAlertFont{
    {paletteColour('w'), paletteColour('E'), paletteColour('E'), paletteColour('e'), paletteColour('e'),
     paletteColour('e'), paletteColour('R'), paletteColour('R'), paletteColour('R'), paletteColour('r'),
     paletteColour('r')},
    paletteColour('k')};

}  // namespace

void paintBanner(int code, int frame, View& v) {
  const bool lit = frame == 2;
  if (code == 88) {
    paintPlate(v, 'o', 'Y', lit);
    centredText(v, 4, "READY!", kGoldFont);
    // Chevrons pointing in at the word from both ends.
    for (int k = 0; k < 3; ++k) {
      for (int d = 0; d < 4; ++d) {
        const Colour c = paletteColour((k + frame) % 3 == 0 ? 'Y' : 'O');
        v.set(8 + k * 4 + d / 2, 6 + d, c);
        v.set(8 + k * 4 + d / 2, 13 - d, c);
        v.set(v.width() - 9 - k * 4 - d / 2, 6 + d, c);
        v.set(v.width() - 9 - k * 4 - d / 2, 13 - d, c);
      }
    }
  } else if (code == 89) {
    paintPlate(v, 'r', 'e', lit);
    centredText(v, 5, "GAME", lit ? kGoldFont : kAlertFont);
    centredText(v, 21, "OVER", lit ? kGoldFont : kAlertFont);
  }
}

}  // namespace assets
