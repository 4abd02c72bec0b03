// The title picture, 278x141, shown opaque: a dusk sky over the sea with the
// sun on the horizon, the Kestrel climbing away from two pursuers, and the
// name in large gold letters.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "aircraft.h"
#include "art.h"
#include "gen_kit/draw.h"
#include "gen_kit/random.h"
#include "font.h"
#include "small_font.h"

namespace assets {
namespace {

constexpr int kHorizon = 92;

void paintSky(View& v) {
  const Colour sky[] = {paletteColour('n'), paletteColour('b'), paletteColour('a'), paletteColour('A'),
                        paletteColour('E'), paletteColour('O')};
  for (int y = 0; y < kHorizon; ++y) {
    const double t = std::pow(y / static_cast<double>(kHorizon), 1.3);
    for (int x = 0; x < v.width(); ++x) v.set(x, y, rampColour(x, y, sky, t));
  }
  // The setting sun, cut by the horizon.
  fillEllipse(v, 206, kHorizon, 19, 19, paletteColour('y'));
  fillEllipse(v, 206, kHorizon, 15, 15, paletteColour('Y'));
  // Long evening clouds, lit from below.
  gen_kit::SplitMix64 rng(0x717Eu);
  for (int i = 0; i < 9; ++i) {
    const double cx = rng.between(0, v.width());
    const double cy = rng.between(50, kHorizon - 8);
    const double rx = rng.between(14, 34);
    fillEllipse(v, cx, cy, rx, 2.6, paletteColour('a'));
    fillEllipse(v, cx + 2, cy + 1.2, rx * 0.85, 1.5, paletteColour(cy > 72 ? 'E' : 'A'));
  }
}

void paintSea(View& v) {
  const Colour sea[] = {paletteColour('m'), paletteColour('N'), paletteColour('n')};
  for (int y = kHorizon; y < v.height(); ++y) {
    const double t = (y - kHorizon) / static_cast<double>(v.height() - kHorizon);
    for (int x = 0; x < v.width(); ++x) v.set(x, y, rampColour(x, y, sea, t * 1.4));
  }
  // The sun's path on the water and scattered wave glints.
  gen_kit::SplitMix64 rng(0x5EAu);
  for (int y = kHorizon + 1; y < v.height(); y += 2) {
    const double spread = 6.0 + (y - kHorizon) * 0.55;
    for (int k = 0; k < 3; ++k) {
      const int x = static_cast<int>(206 + rng.between(-spread, spread));
      const int len = 2 + rng.below(5);
      fillBox(v, x, y, len, 1, paletteColour(y < kHorizon + 16 ? 'Y' : (k == 0 ? 'y' : 'O')));
    }
    if (rng.unit() < 0.8) fillBox(v, rng.below(v.width()), y, 2 + rng.below(3), 1, paletteColour('M'));
  }
  fillBox(v, 0, kHorizon, v.width(), 1, paletteColour('E'));
}

// Text in the game's font at twice the size, ringed in the outline colour
// with a deep red extrusion below it.
void paintBigText(View& v, int x, int y, std::string_view text) {
  const int w = fontTextWidth(text);
  Canvas small(w, kGlyphHeight);
  View sv(small);
  drawFontText(sv, 0, 0, text);
  Canvas big(w * 2 + 4, kGlyphHeight * 2 + 6);
  View bv(big);
  for (int depth = 3; depth >= 0; --depth) {
    for (int yy = 0; yy < kGlyphHeight; ++yy) {
      for (int xx = 0; xx < w; ++xx) {
        const Colour c = small.at(xx, yy);
        if (c == kTransparent) continue;
        const Colour out = depth == 0 ? c : paletteColour(depth == 3 ? 'r' : 'R');
        fillBox(bv, 1 + xx * 2, 1 + yy * 2 + depth, 2, 2, out);
      }
    }
  }
  outlineShape(bv, paletteColour('k'));
  for (int yy = 0; yy < big.height(); ++yy) {
    for (int xx = 0; xx < big.width(); ++xx) {
      if (big.at(xx, yy) != kTransparent) v.set(x + xx, y + yy, big.at(xx, yy));
    }
  }
}

}  // namespace

void paintTitle(View& v) {
  paintSky(v);
  paintSea(v);
  // Two pursuers far behind, small against the sunset.
  {
    View far1 = v.sub(40, 98, 40, 40);
    paintSmallPlane(1, 1, far1);
    View far2 = v.sub(228, 100, 30, 30);
    paintSmallPlane(5, 2, far2);
  }
  View craft = v.sub(110, 80, 65, 51);
  paintPlayer(2, craft);
  const std::string_view name = "KESTREL";
  paintBigText(v, (v.width() - fontTextWidth(name) * 2) / 2 - 2, 10, name);
  const std::string_view sub = "AIR COMBAT OVER THE OCEAN";
  drawSmallText(v, (v.width() - smallTextWidth(sub)) / 2 + 1, 51, sub, paletteColour('k'), paletteColour('k'));
  drawSmallText(v, (v.width() - smallTextWidth(sub)) / 2, 50, sub, paletteColour('w'), paletteColour('i'));
  // Gold frame.
  for (int x = 0; x < v.width(); ++x) {
    v.set(x, 0, paletteColour('y'));
    v.set(x, v.height() - 1, paletteColour('o'));
  }
  for (int y = 0; y < v.height(); ++y) {
    v.set(0, y, paletteColour('y'));
    v.set(v.width() - 1, y, paletteColour('o'));
  }
}

}  // namespace assets
