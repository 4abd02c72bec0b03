// The main menu's pieces: the menu picture with its five labels (drawn over
// the game's yellow box, so everything but the lettering and the rules is
// transparent), the two pointers beside the chosen label, the logo above the
// menu, and the high-score screen's title plate.
#include <array>
#include <string_view>

#include "art.h"
#include "gen_kit/draw.h"
#include "core/grid.h"
#include "font.h"
#include "small_font.h"

namespace assets {
namespace {

// Labels in menu order; the game puts pointer k at y + 6 + 18.25 k (13 rows
// tall), so label k is centred on that.
constexpr std::array<std::string_view, 5> kMenuLabels{"START GAME", "OPTIONS", "CREDITS", "HIGH SCORES", "EXIT"};

constexpr std::array<std::string_view, 13> kArrowGrid{
    "k.......",
    "kk......",
    "kYk.....",
    "kyYk....",
    "kyyYk...",
    "kOyyYk..",
    "kOOyyYk.",
    "kOOyyok.",
    "kOoook..",
    "kooRk...",
    "koRk....",
    "kRk.....",
    "kk......",
};
static_assert(gridIsValid(kArrowGrid, 8));

}  // namespace

void paintMenu(View& v) {
  const Colour rule = paletteColour('o');
  for (int k = 0; k < static_cast<int>(kMenuLabels.size()); ++k) {
    const double centre = 6.0 + 18.25 * k + 6.0;
    const int top = static_cast<int>(centre + 0.5) - kSmallFontHeight / 2;
    const std::string_view label = kMenuLabels[static_cast<std::size_t>(k)];
    const int x = (v.width() - smallTextWidth(label)) / 2;
    drawSmallText(v, x + 1, top + 1, label, paletteColour('O'), paletteColour('O'));
    drawSmallText(v, x, top, label, paletteColour('b'), paletteColour('1'));
    if (k > 0) {
      const int ry = static_cast<int>(centre - 9.1);
      for (int rx = 12; rx < v.width() - 12; rx += 2) v.set(rx, ry, rule);
    }
  }
  // A thin orange frame inside the yellow box.
  for (int x = 0; x < v.width(); ++x) {
    v.set(x, 0, rule);
    v.set(x, v.height() - 1, rule);
  }
  for (int y = 0; y < v.height(); ++y) {
    v.set(0, y, rule);
    v.set(v.width() - 1, y, rule);
  }
}

// The left pointer (8 wide) points right at the label; the right one (9
// wide) is its mirror image, one column wider at its flat side.
void paintPointer(bool left, View& v) {
  if (left) {
    paintGrid(v, 0, 0, kArrowGrid);
  } else {
    paintGrid(v, 1, 0, kArrowGrid, {.flipHorizontal = true});
  }
}

void paintLogo(View& v) {
  const int w = v.width();
  const int h = v.height();
  // Navy plate with a gold bevel.
  fillBox(v, 0, 0, w, h, paletteColour('k'));
  fillBox(v, 1, 1, w - 2, h - 2, paletteColour('y'));
  fillBox(v, 2, 2, w - 4, h - 4, paletteColour('o'));
  for (int y = 3; y < h - 3; ++y) {
    for (int x = 3; x < w - 3; ++x) {
      const Colour ramp[] = {paletteColour('n'), paletteColour('b'), paletteColour('B')};
      v.set(x, y, rampColour(x, y, ramp, 1.0 - static_cast<double>(y) / h));
    }
  }
  // The kestrel's spread wings behind the name.
  const double cx = w / 2.0;
  for (int side = -1; side <= 1; side += 2) {
    for (int f = 0; f < 4; ++f) {
      const double root = 6.0 + f * 2.0;
      const Point feather[] = {{cx + side * 4.0, root + 2.0},
                               {cx + side * (44.0 - f * 6.0), 5.0 + f * 3.5},
                               {cx + side * (40.0 - f * 6.0), 8.5 + f * 3.5},
                               {cx + side * 4.0, root + 6.0}};
      fillPolygon(v, feather, paletteColour(f % 2 == 0 ? 'O' : 'y'));
    }
  }
  fillEllipse(v, cx, 11.0, 4.0, 6.0, paletteColour('O'));
  fillEllipse(v, cx - 1.0, 9.5, 2.0, 3.0, paletteColour('Y'));
  drawFontText(v, (w - fontTextWidth("KESTREL")) / 2 + 1, 23, "KESTREL");
  const std::string_view sub = "AIR COMBAT";
  drawSmallText(v, (w - smallTextWidth(sub)) / 2, h - 15, sub, paletteColour('i'), paletteColour('C'));
}

void paintHighScoreTitle(View& v) {
  const int w = v.width();
  const int h = v.height();
  fillBox(v, 0, 0, w, h, paletteColour('x'));
  fillBox(v, 0, 1, w, 1, paletteColour('o'));
  fillBox(v, 0, h - 2, w, 1, paletteColour('o'));
  const std::string_view title = "HIGH SCORES";
  const int x = (w - smallTextWidth(title)) / 2;
  drawSmallText(v, x + 1, 4, title, paletteColour('r'), paletteColour('r'));
  drawSmallText(v, x, 3, title, paletteColour('Y'), paletteColour('O'));
  // Little stars at both ends.
  for (int side = 0; side < 2; ++side) {
    const int sx = side == 0 ? 5 : w - 6;
    v.set(sx, 7, paletteColour('w'));
    v.set(sx - 1, 7, paletteColour('y'));
    v.set(sx + 1, 7, paletteColour('y'));
    v.set(sx, 6, paletteColour('y'));
    v.set(sx, 8, paletteColour('y'));
  }
}

}  // namespace assets
