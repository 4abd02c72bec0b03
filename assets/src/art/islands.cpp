// Scenery islands, 64x64, drifting with the sea: a jungle island with palms
// (50), a rocky islet (51) and an atoll around a lagoon (52). Each is ringed
// by shallows and surf; the two frames move the surf line.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

#include "art.h"
#include "gen_kit/draw.h"
#include "core/grid.h"
#include "gen_kit/random.h"

namespace assets {
namespace {

constexpr std::array<std::string_view, 7> kPalm{
    ".Hh.hH.",
    "hGGhGGh",
    "G.hDh.G",
    "...D...",
    "...D...",
    "..dD...",
    "...d...",
};
static_assert(gridIsValid(kPalm, 7));

struct IslandShape {
  int code;
  double radius;      // mean radius of the shore, pixels
  double stretchX;    // >1 widens the island
  std::array<double, 3> bumps;  // amplitudes of the 2-, 3- and 5-lobed shore wobble
  std::uint64_t seed;
  bool atoll;
  bool rocky;
};

constexpr IslandShape kIslands[] = {
    {50, 18.5, 1.0, {0.10, 0.08, 0.05}, 50, false, false},
    {51, 15.5, 1.3, {0.16, 0.05, 0.06}, 51, false, true},
    {52, 20.0, 1.0, {0.06, 0.07, 0.04}, 52, true, false},
};

double shore(const IslandShape& s, double angle, const std::array<double, 3>& phase) {
  return s.radius * (1.0 + s.bumps[0] * std::sin(2 * angle + phase[0]) + s.bumps[1] * std::sin(3 * angle + phase[1]) +
                     s.bumps[2] * std::sin(5 * angle + phase[2]));
}

// Cheap repeatable per-pixel noise in [0, 1).
double grain(int x, int y, std::uint64_t seed) {
  gen_kit::SplitMix64 r(seed * 1000003u + static_cast<std::uint64_t>(y * 64 + x));
  return r.unit();
}

}  // namespace

void paintIsland(int code, int frame, View& v) {
  const IslandShape* found = nullptr;
  for (const IslandShape& s : kIslands) {
    if (s.code == code) found = &s;
  }
  if (found == nullptr) return;
  const IslandShape& s = *found;
  gen_kit::SplitMix64 rng(s.seed);
  const std::array<double, 3> phase{rng.between(0, 6.28), rng.between(0, 6.28), rng.between(0, 6.28)};
  const double cx = v.width() / 2.0;
  const double cy = v.height() / 2.0;
  for (int y = 0; y < v.height(); ++y) {
    for (int x = 0; x < v.width(); ++x) {
      const double dx = (x + 0.5 - cx) / s.stretchX;
      const double dy = y + 0.5 - cy;
      const double d = std::hypot(dx, dy) / shore(s, std::atan2(dy, dx), phase);
      const double g = grain(x, y, s.seed);
      // Light from the upper left: land facing it is brighter.
      const double lit = std::clamp(0.55 - 0.35 * (dx + dy) / (s.radius * 1.4), 0.0, 1.0);
      Colour c = kTransparent;
      if (d < 1.0) {
        const bool lagoon = s.atoll && d < 0.55;
        if (lagoon) {
          c = d > 0.47 ? paletteColour('S') : dither(x, y, paletteColour('T'), paletteColour('u'), 0.35 - d * 0.4);
        } else if (d > 0.78) {
          c = dither(x, y, paletteColour('S'), paletteColour('s'), std::clamp((d - 0.78) * 4.0, 0.0, 1.0));
        } else if (s.rocky) {
          const Colour ramp[] = {paletteColour('2'), paletteColour('3'), paletteColour('4'), paletteColour('5')};
          c = rampColour(x, y, ramp, lit * 0.8 + (1.0 - d) * 0.3 + g * 0.2 - 0.1);
          if (d < 0.35 && g > 0.55) c = paletteColour(g > 0.8 ? 'H' : 'h');
        } else {
          const Colour ramp[] = {paletteColour('g'), paletteColour('G'), paletteColour('h'), paletteColour('H')};
          c = rampColour(x, y, ramp, lit * 0.9 + g * 0.25 - 0.1 - (s.atoll ? 0.0 : (d - 0.4) * 0.3));
        }
      } else if (d < 1.22) {
        c = dither(x, y, paletteColour('T'), paletteColour('M'), (d - 1.0) / 0.22);
      } else if (d < 1.34) {
        // Surf: a broken white line that rolls between the two frames.
        const double angle = std::atan2(dy, dx);
        const double wave = std::sin(angle * 9.0 + (frame == 1 ? 0.0 : 1.8) + d * 20.0);
        if (wave > 0.1) c = paletteColour(wave > 0.7 ? 'w' : 'f');
      }
      if (c != kTransparent) v.set(x, y, c);
    }
  }
  if (code == 50) {
    paintGrid(v, 22, 18, kPalm);
    paintGrid(v, 31, 24, kPalm);
    paintGrid(v, 24, 31, kPalm);
    paintGrid(v, 36, 34, kPalm);
  } else if (code == 52) {
    paintGrid(v, 14, 24, kPalm);
    paintGrid(v, 42, 30, kPalm);
  } else {
    // A small lighthouse on the rocks: white tower, red cap, lit lamp.
    fillBox(v, 38, 26, 3, 6, paletteColour('w'));
    fillBox(v, 38, 29, 3, 1, paletteColour('R'));
    fillBox(v, 37, 25, 5, 1, paletteColour('R'));
    v.set(39, 24, paletteColour(frame == 1 ? 'Y' : 'y'));
    fillBox(v, 41, 27, 1, 5, paletteColour('3'));
  }
}

}  // namespace assets
