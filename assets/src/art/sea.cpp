// The sea under the game: a 32x32 tile built from waves whose periods divide
// 32, so the tile repeats without a seam; the second phase shifts the waves
// so that swapping the two once a second makes the surface glitter.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "art.h"
#include "gen_kit/draw.h"

namespace assets {
namespace {

struct Wave {
  int kx, ky;        // whole cycles across and down the tile
  double amplitude;
  double phase0;     // phase of tile 0, in cycles
  double phaseStep;  // added for tile 1
};

// Mostly long swells running across the screen, broken up by shorter
// cross waves.
constexpr Wave kWaves[] = {
    {0, 1, 1.0, 0.00, 0.30},
    {1, 2, 0.7, 0.30, -0.25},
    {2, -1, 0.45, 0.10, 0.45},
    {-1, 3, 0.3, 0.70, 0.20},
    {3, 1, 0.2, 0.40, -0.40},
};

double height(int x, int y, int phase) {
  double h = 0.0;
  double total = 0.0;
  for (const Wave& w : kWaves) {
    const double t = (w.kx * (x + 0.5) + w.ky * (y + 0.5)) / 32.0 + w.phase0 + phase * w.phaseStep;
    h += w.amplitude * std::sin(2.0 * std::numbers::pi * t);
    total += w.amplitude;
  }
  return 0.5 + 0.5 * h / total;  // 0..1
}

}  // namespace

void paintSeaTile(int phase, View& v) {
  const Colour ramp[] = {paletteColour('n'), paletteColour('N'), paletteColour('m')};
  for (int y = 0; y < v.height(); ++y) {
    for (int x = 0; x < v.width(); ++x) {
      const double h = height(x, y, phase);
      Colour c = rampColour(x, y, ramp, std::clamp((h - 0.2) / 0.7, 0.0, 1.0));
      // Wave crests catch the sky: a lighter blue, and a rare fleck of foam.
      if (h > 0.88) c = paletteColour('M');
      if (h > 0.965) c = paletteColour('f');
      v.set(x, y, c);
    }
  }
}

}  // namespace assets
