// Bonus items, 32x32 medallions (the extra life's is 32x31) with a gold rim
// whose glint runs round once every four frames: extra life (79, green, a
// little Kestrel), shoot power up (80, red, "P"), destroy all (81, orange, a
// bomb with a burning fuse), repair shield (82, blue, a shield with a
// cross), reset boss time (83, violet, an hourglass).
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

#include "aircraft.h"
#include "art.h"
#include "gen_kit/draw.h"
#include "core/grid.h"
#include "font.h"

namespace assets {
namespace {


// 16x18 emblems, larger than the small icons so they read on the item.
using Emblem = std::array<std::string_view, 18>;

constexpr Emblem kShield{
    "kkkkkkkkkkkkkkkk",
    "kiiiiiiiiiiiiiCk",
    "kiCCCCCCCCCCCCBk",
    "kiCCCCCwwCCCCCBk",
    "kiCCCCCwwCCCCCBk",
    "kiCCCCCwwCCCCCBk",
    "kiCwwwwwwwwwwCBk",
    "kiCwwwwwwwwwwCBk",
    "kiCCCCCwwCCCCCBk",
    "kiCCCCCwwCCCCCBk",
    ".kiCCCCwwCCCCBk.",
    ".kiCCCCwwCCCCBk.",
    "..kiCCCCCCCCBk..",
    "...kiCCCCCCBk...",
    "....kiCCCCBk....",
    ".....kiCCBk.....",
    "......kBBk......",
    ".......kk.......",
};
static_assert(gridIsValid(kShield, 16));

constexpr Emblem kHourglass{
    "kkkkkkkkkkkkkkkk",
    "kSSSSSSSSSSSSSDk",
    "kkkkkkkkkkkkkkkk",
    ".kiwwwwwwwwww5k.",
    ".kiyyyyyyyyyy5k.",
    "..kiYyyyyyyy5k..",
    "...kiYyyyyy5k...",
    "....kiYyyy5k....",
    ".....kiyy5k.....",
    ".....ki.y5k.....",
    "....ki..y.5k....",
    "...ki...y..5k...",
    "..ki...yyy..5k..",
    ".kiw..yyyyy.w5k.",
    ".kiwyyyyyyyyy5k.",
    "kkkkkkkkkkkkkkkk",
    "kSSSSSSSSSSSSSDk",
    "kkkkkkkkkkkkkkkk",
};
static_assert(gridIsValid(kHourglass, 16));

struct Medallion {
  int code;
  std::array<char, 3> disc;  // dark, mid, light
};

constexpr Medallion kMedallions[] = {
    {79, {'G', 'h', 'H'}},
    {80, {'r', 'R', 'e'}},
    {81, {'o', 'O', 'y'}},
    {82, {'b', 'B', 'c'}},
    {83, {'p', 'P', 'q'}},
};

void paintMedallion(View& v, const Medallion& m, int frame) {
  const double cx = v.width() / 2.0;
  const double cy = v.height() / 2.0;
  const double r = std::min(cx, cy) - 1.0;
  const double glintAngle = -std::numbers::pi * 0.75 + (frame - 1) * std::numbers::pi / 2.0;
  for (int y = 0; y < v.height(); ++y) {
    for (int x = 0; x < v.width(); ++x) {
      const double dx = x + 0.5 - cx;
      const double dy = y + 0.5 - cy;
      const double d = std::hypot(dx, dy);
      if (d > r) continue;
      const double lit = std::clamp(0.5 - (dx + dy) / (r * 2.4), 0.0, 1.0);
      Colour c;
      if (d > r - 2.5) {
        // Gold rim, with the glint where it faces the current angle.
        const double facing = std::cos(std::atan2(dy, dx) - glintAngle);
        if (facing > 0.93) {
          c = paletteColour('w');
        } else if (facing > 0.75) {
          c = paletteColour('Y');
        } else {
          c = dither(x, y, paletteColour('o'), paletteColour('y'), lit);
        }
      } else if (d > r - 3.5) {
        c = paletteColour(m.disc[0]);
      } else {
        const Colour ramp[] = {paletteColour(m.disc[0]), paletteColour(m.disc[1]), paletteColour(m.disc[2])};
        c = rampColour(x, y, ramp, lit + 0.2);
      }
      v.set(x, y, c);
    }
  }
  outlineShape(v, paletteColour('k'));
}

const FontStyle kWhiteFont{
    {paletteColour('w'), paletteColour('w'), paletteColour('w'), paletteColour('w'), paletteColour('5'),
     paletteColour('5'), paletteColour('5'), paletteColour('4'), paletteColour('4'), paletteColour('4'),
     paletteColour('4')},
    paletteColour('k')};

// A round black bomb with a shine, a fuse and a spark that flickers.
void paintBomb(View& v, int frame) {
  View b = v.sub(7, 6, 18, 20);
  fillEllipse(b, 8.5, 11.5, 7.0, 7.0, paletteColour('1'));
  fillEllipse(b, 7.5, 10.5, 5.5, 5.5, paletteColour('2'));
  fillEllipse(b, 6.0, 9.0, 2.2, 2.2, paletteColour('4'));
  b.set(5, 8, paletteColour('w'));
  fillBox(b, 7, 3, 4, 2, paletteColour('3'));
  drawLine(b, 10, 2, 13, 0, paletteColour('S'));
  const int sx = 14;
  b.set(sx, 0, paletteColour('w'));
  b.set(sx + (frame % 2 == 0 ? 1 : -1), 1, paletteColour('Y'));
  b.set(sx + 1, frame % 2 == 0 ? 0 : 2, paletteColour('y'));
  outlineShape(b, paletteColour('k'));
}

}  // namespace

void paintBonus(int code, int frame, View& v) {
  for (const Medallion& m : kMedallions) {
    if (m.code == code) paintMedallion(v, m, frame);
  }
  const int ix = v.width() / 2 - 8;
  const int iy = v.height() / 2 - 9;
  switch (code) {
    case 79: {
      RenderOptions o;
      o.frame = frame % 3 + 1;
      o.scale = 0.38;
      o.offset = {3.6, 6.0};
      renderAircraft(v, *kKestrelDesign, o);
      break;
    }
    case 80:
      if (const Glyph* g = findGlyph('P')) {
        View inner = v.sub(11, 10, rectWidth(g->rect), kGlyphHeight);
        paintGlyph(*g, inner, kWhiteFont);
      }
      break;
    case 81:
      paintBomb(v, frame);
      break;
    case 82:
      paintGrid(v, ix, iy + 1, kShield);
      break;
    case 83:
      paintGrid(v, ix, iy, kHourglass);
      break;
    default:
      break;
  }
}

}  // namespace assets
