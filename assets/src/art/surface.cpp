// Surface units, bows pointing up the screen: the gun platform 53, the
// patrol boat 54, the floating mine 55, the submarine 56 and its surfacing
// 57 (four one-second steps ending as 56 looks), and the destroyer 58, the
// long ship that steams in from y = -180. The hulls use the aircraft
// renderer's parts and shading; foam and wakes are painted under them.
#include <cmath>

#include "aircraft.h"
#include "art.h"
#include "gen_kit/draw.h"
#include "gen_kit/random.h"

namespace assets {
namespace {

using S = Shape;
using H = Shade;

// Submarine 32x96: the deck gun sits where its shot leaves, x + 8, y + 32.
const Part kSubmarine[] = {
    {S::Ellipse, &kMatSteel, H::Cylinder, false, 2, {{{16, 50}, {8.5, 44}}}},
    {S::Polygon, &kMatGrey, H::Flat, false, 4, {{{13, 14}, {19, 14}, {19, 86}, {13, 86}}}},
    {S::Ellipse, &kMatDark, H::Cylinder, false, 2, {{{16, 58}, {4.5, 9}}}},
    {S::Ellipse, &kMatGrey, H::Cylinder, false, 2, {{{16, 56}, {2.4, 4}}}},
    {S::Ellipse, &kMatRed, H::Cylinder, false, 2, {{{16, 38}, {4, 4}}}},
    {S::Polygon, &kMatDark, H::Plain, false, 4, {{{15, 29}, {17, 29}, {17, 36}, {15, 36}}}},
    {S::Polygon, &kMatGrey, H::Flat, false, 4, {{{12, 90}, {20, 90}, {19, 94}, {13, 94}}}},
};
const AircraftDesign kSubmarineDesign{32, 96, kSubmarine, {}};

// Destroyer 32x176: bow turret at y + 32, bridge, funnels, after turrets.
const Part kDestroyer[] = {
    {S::Polygon, &kMatSteel, H::Cylinder, false, 6, {{{16, 2}, {25, 28}, {26, 150}, {22, 172}, {10, 172}, {6, 28}}}},
    {S::Polygon, &kMatSand, H::Flat, false, 6, {{{16, 10}, {22, 30}, {22, 150}, {19, 166}, {13, 166}, {10, 30}}}},
    {S::Ellipse, &kMatGrey, H::Cylinder, false, 2, {{{16, 38}, {5, 5}}}},
    {S::Polygon, &kMatDark, H::Plain, false, 4, {{{15, 25}, {17, 25}, {17, 34}, {15, 34}}}},
    {S::Ellipse, &kMatGrey, H::Cylinder, false, 2, {{{16, 56}, {5, 5}}}},
    {S::Polygon, &kMatDark, H::Plain, false, 4, {{{15, 44}, {17, 44}, {17, 52}, {15, 52}}}},
    {S::Polygon, &kMatWhite, H::Cylinder, false, 4, {{{10, 68}, {22, 68}, {22, 98}, {10, 98}}}},
    {S::Polygon, &kMatGlass, H::Plain, false, 4, {{{11, 70}, {21, 70}, {21, 72}, {11, 72}}}},
    {S::Ellipse, &kMatDark, H::Cylinder, false, 2, {{{16, 108}, {3.8, 5}}}},
    {S::Ellipse, &kMatDark, H::Cylinder, false, 2, {{{16, 122}, {3.8, 5}}}},
    {S::Ellipse, &kMatGrey, H::Cylinder, false, 2, {{{16, 142}, {5, 5}}}},
    {S::Polygon, &kMatDark, H::Plain, false, 4, {{{15, 146}, {17, 146}, {17, 156}, {15, 156}}}},
    {S::Polygon, &kMatRed, H::Plain, false, 4, {{{13, 160}, {19, 160}, {18.5, 163}, {13.5, 163}}}},
};
const AircraftDesign kDestroyerDesign{32, 176, kDestroyer, {}};

// Patrol boat 24x48.
const Part kPatrolBoat[] = {
    {S::Polygon, &kMatWhite, H::Cylinder, false, 6, {{{12, 2}, {19, 14}, {19, 40}, {17, 45}, {7, 45}, {5, 14}}}},
    {S::Polygon, &kMatSand, H::Flat, false, 5, {{{12, 8}, {16, 16}, {16, 42}, {8, 42}, {8, 16}}}},
    {S::Polygon, &kMatGrey, H::Cylinder, false, 4, {{{8.5, 24}, {15.5, 24}, {15.5, 36}, {8.5, 36}}}},
    {S::Polygon, &kMatGlass, H::Plain, false, 4, {{{9, 25}, {15, 25}, {15, 27}, {9, 27}}}},
    {S::Ellipse, &kMatRed, H::Cylinder, false, 2, {{{12, 17}, {2.6, 2.6}}}},
    {S::Polygon, &kMatDark, H::Plain, false, 4, {{{11.5, 10}, {12.5, 10}, {12.5, 16}, {11.5, 16}}}},
};
const AircraftDesign kPatrolBoatDesign{24, 48, kPatrolBoat, {}};

// Gun platform 32x32: an octagonal concrete pad with a turret.
const Part kPlatform[] = {
    {S::Polygon, &kMatGrey, H::Flat, false, 6, {{{9, 3}, {23, 3}, {29, 12}, {29, 22}, {16, 29}, {3, 22}}}},
    {S::Polygon, &kMatWhite, H::Flat, false, 6, {{{10, 5}, {22, 5}, {27, 13}, {27, 21}, {16, 27}, {5, 21}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, false, 2, {{{16, 16}, {6.5, 6.5}}}},
    {S::Polygon, &kMatDark, H::Plain, false, 4, {{{15, 2}, {17, 2}, {17, 11}, {15, 11}}}},
    {S::Ellipse, &kMatRed, H::Plain, false, 2, {{{16, 17}, {2, 2}}}},
};
const AircraftDesign kPlatformDesign{32, 32, kPlatform, {}};

// White water: a ring of foam blobs hugging a hull outline, scattered by a
// seed so the two frames differ.
void paintFoam(View& v, double cx, double top, double bottom, double halfWidth, std::uint64_t seed, int count) {
  gen_kit::SplitMix64 rng(seed);
  for (int i = 0; i < count; ++i) {
    const double y = rng.between(top, bottom);
    const double side = rng.unit() < 0.5 ? -1.0 : 1.0;
    const double x = cx + side * (halfWidth + rng.between(-1.0, 2.5));
    const double r = rng.between(0.8, 2.2);
    fillEllipse(v, x, y, r, r * 1.3, paletteColour(rng.unit() < 0.4 ? 'w' : 'f'));
  }
}

// A V-shaped wake trailing from the stern down the screen.
void paintWake(View& v, double cx, double stern, int length, int frame) {
  for (int d = 0; d < length; ++d) {
    const double spread = 1.5 + d * 0.35;
    const Colour c = paletteColour(d < length / 2 ? 'f' : 'M');
    for (int side = -1; side <= 1; side += 2) {
      if ((d + frame) % 3 == 0) continue;
      v.set(static_cast<int>(std::lround(cx + side * spread)), static_cast<int>(stern) + d, c);
    }
    if ((d + frame) % 2 == 0 && d < length / 2) v.set(static_cast<int>(cx), static_cast<int>(stern) + d, paletteColour('w'));
  }
}

void paintMine(int frame, View& v) {
  const Colour dark = paletteColour('1');
  for (int i = 0; i < 8; ++i) {
    const double a = i * 3.14159265 / 4.0;
    const int ex = static_cast<int>(std::lround(12 + 10 * std::cos(a)));
    const int ey = static_cast<int>(std::lround(12 + 10 * std::sin(a)));
    drawLine(v, 12, 12, ex, ey, paletteColour('2'));
    v.set(ex, ey, paletteColour('4'));
  }
  fillEllipse(v, 12, 12, 7, 7, dark);
  fillEllipse(v, 11, 11, 5.5, 5.5, paletteColour('2'));
  fillEllipse(v, 10, 10, 2.5, 2.5, paletteColour('3'));
  v.set(9, 9, paletteColour('4'));
  fillEllipse(v, 12.5, 12.5, 1.6, 1.6, paletteColour(frame == 1 ? 'R' : 'E'));
  if (frame == 2) v.set(12, 12, paletteColour('Y'));
  outlineShape(v, paletteColour('k'));
}

// The submarine seen through the water: a dithered dark shape that darkens
// as it rises.
void paintSubmerged(View& v, double depth, std::uint64_t seed) {
  for (int y = 0; y < v.height(); ++y) {
    for (int x = 0; x < v.width(); ++x) {
      const double nx = (x + 0.5 - 16.0) / 8.5;
      const double ny = (y + 0.5 - 50.0) / 44.0;
      if (nx * nx + ny * ny > 1.0) continue;
      if (bayerThreshold(x, y) < depth) v.set(x, y, paletteColour('n'));
    }
  }
  gen_kit::SplitMix64 rng(seed);
  for (int i = 0; i < 10; ++i) {
    const double bx = rng.between(8, 24);
    const double by = rng.between(10, 90);
    fillEllipse(v, bx, by, 1.0, 1.0, paletteColour('f'));
  }
}

}  // namespace

void paintSurfaceUnit(int code, int frame, View& v) {
  const auto seed = static_cast<std::uint64_t>(code * 10 + frame);
  switch (code) {
    case 53:
      fillEllipse(v, 16, 16, 15, 15, paletteColour('M'));
      paintFoam(v, 16, 4, 28, 12.5, seed, 14);
      renderAircraft(v, kPlatformDesign, {.frame = frame});
      if (frame == 2) {
        v.set(16, 1, paletteColour('Y'));
        v.set(15, 0, paletteColour('O'));
        v.set(17, 0, paletteColour('O'));
      }
      break;
    case 54:
      paintWake(v, 12, 45, 3, frame);
      paintFoam(v, 12, 4, 40, 6.5, seed, 10);
      renderAircraft(v, kPatrolBoatDesign, {.frame = frame});
      break;
    case 55:
      paintMine(frame, v);
      break;
    case 56:
      paintFoam(v, 16, 10, 92, 8.0, seed, 26);
      renderAircraft(v, kSubmarineDesign, {.frame = frame});
      break;
    case 57:
      if (frame <= 2) {
        paintSubmerged(v, frame == 1 ? 0.35 : 0.7, seed);
        // The periscope's wake.
        paintWake(v, 16, 52, frame == 1 ? 8 : 12, frame);
        fillBox(v, 15, 50, 2, 2, paletteColour('3'));
      } else {
        paintFoam(v, 16, 6, 94, 7.5, seed, frame == 3 ? 60 : 40);
        renderAircraft(v, kSubmarineDesign, {.frame = frame});
        if (frame == 3) paintFoam(v, 16, 12, 88, 2.0, seed + 7, 22);
      }
      break;
    case 58:
      paintWake(v, 16, 171, 5, frame);
      paintFoam(v, 16, 6, 40, 6.0, seed, 16);
      paintFoam(v, 16, 40, 168, 9.0, seed + 3, 18);
      renderAircraft(v, kDestroyerDesign, {.frame = frame});
      break;
    default:
      break;
  }
}

}  // namespace assets
