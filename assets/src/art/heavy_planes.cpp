// Heavier enemy aircraft: the gunship 45 climbing up from behind (54x48,
// nose up, its gun at x + 20..34 in the nose), the gunship 46 coming down
// (62x44, gun in the nose at x + 24..38), and the bomber 47 (72x56) whose
// belly turret at x + 32, y + 24 fires at the player.
#include "aircraft.h"
#include "art.h"

namespace assets {
namespace {

using S = Shape;
using H = Shade;

// Gunship 45: twin engines, centre line x = 27.
const Part kClimber[] = {
    {S::Polygon, &kMatOlive, H::Flat, true, 4, {{{15, 40}, {27, 38}, {27, 45}, {16, 45.5}}}},
    {S::Polygon, &kMatOlive, H::Flat, true, 5, {{{2, 21}, {12, 18}, {27, 17}, {27, 29}, {3, 28}}}},
    {S::Polygon, &kMatRed, H::Plain, true, 4, {{{2, 21}, {5, 20.2}, {5, 28.2}, {2.5, 28}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, true, 2, {{{14, 21}, {3.8, 11}}}},
    {S::Ellipse, &kMatGrey, H::Cylinder, true, 2, {{{14, 11.5}, {3.2, 3.0}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, false, 2, {{{27, 24}, {5, 21}}}},
    {S::Polygon, &kMatDark, H::Cylinder, false, 4, {{{25, 0.5}, {29, 0.5}, {29, 6}, {25, 6}}}},
    {S::Ellipse, &kMatGlass, H::Glass, false, 2, {{{27, 13}, {2.4, 4.2}}}},
    {S::Ellipse, &kMatWhite, H::Plain, true, 2, {{{8, 23.5}, {2.2, 2.2}}}},
    {S::Ellipse, &kMatRed, H::Plain, true, 2, {{{8, 23.5}, {1.1, 1.1}}}},
};
const Propeller kClimberProps[] = {{{14, 8.5}, 6.0, true}};
const AircraftDesign kClimberDesign{54, 48, kClimber, kClimberProps};

// Gunship 46: wide twin-boom heavy fighter, centre line x = 31.
const Part kDescender[] = {
    {S::Polygon, &kMatOlive, H::Flat, true, 4, {{{15, 37}, {31, 37}, {31, 42}, {15, 42}}}},
    {S::Polygon, &kMatOlive, H::Flat, true, 5, {{{1.5, 18}, {14, 15.5}, {31, 15}, {31, 26}, {2.5, 25}}}},
    {S::Polygon, &kMatRed, H::Plain, true, 4, {{{1.5, 18}, {4.5, 17.4}, {4.5, 25.1}, {2, 25}}}},
    {S::Polygon, &kMatDark, H::Cylinder, true, 4, {{{16, 34}, {19, 34}, {19, 43.5}, {16, 43.5}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, true, 2, {{{17.5, 22}, {3.6, 17}}}},
    {S::Ellipse, &kMatGrey, H::Cylinder, true, 2, {{{17.5, 8.5}, {3.0, 3.0}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, false, 2, {{{31, 20}, {5.2, 14}}}},
    {S::Polygon, &kMatDark, H::Cylinder, false, 4, {{{29, 2}, {33, 2}, {33, 8}, {29, 8}}}},
    {S::Ellipse, &kMatGlass, H::Glass, false, 2, {{{31, 15}, {2.6, 4.5}}}},
    {S::Ellipse, &kMatWhite, H::Plain, true, 2, {{{9, 20.5}, {2.2, 2.2}}}},
    {S::Ellipse, &kMatRed, H::Plain, true, 2, {{{9, 20.5}, {1.1, 1.1}}}},
};
const Propeller kDescenderProps[] = {{{17.5, 5.5}, 7.0, true}};
const AircraftDesign kDescenderDesign{62, 44, kDescender, kDescenderProps};

// Bomber 47: four engines and a glazed nose, centre line x = 36.
const Part kBomber[] = {
    {S::Polygon, &kMatOlive, H::Flat, true, 4, {{{21, 47}, {36, 45}, {36, 52}, {22, 53}}}},
    {S::Polygon, &kMatOlive, H::Flat, true, 6, {{{1.5, 24}, {10, 21.5}, {36, 19}, {36, 32}, {10, 31}, {2, 29.5}}}},
    {S::Polygon, &kMatRed, H::Plain, true, 4, {{{1.5, 24}, {4.5, 23.2}, {4.5, 29.9}, {2, 29.5}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, true, 2, {{{12, 23.5}, {3.0, 8}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, true, 2, {{{24, 22.5}, {3.4, 9}}}},
    {S::Ellipse, &kMatGrey, H::Cylinder, true, 2, {{{12, 16.5}, {2.6, 2.4}}}},
    {S::Ellipse, &kMatGrey, H::Cylinder, true, 2, {{{24, 14.5}, {2.8, 2.6}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, false, 2, {{{36, 28}, {6, 26}}}},
    {S::Ellipse, &kMatGlass, H::Glass, false, 2, {{{36, 6.5}, {3.6, 4.5}}}},
    {S::Ellipse, &kMatGlass, H::Glass, false, 2, {{{36, 16}, {2.6, 3.5}}}},
    {S::Ellipse, &kMatRed, H::Cylinder, false, 2, {{{36, 30}, {3.2, 3.2}}}},
    {S::Ellipse, &kMatWhite, H::Plain, true, 2, {{{17.5, 27}, {2.4, 2.4}}}},
    {S::Ellipse, &kMatRed, H::Plain, true, 2, {{{17.5, 27}, {1.2, 1.2}}}},
    {S::Line, &kMatDark, H::Plain, false, 2, {{{36, 38}, {36, 50}}}},
};
const Propeller kBomberProps[] = {{{12, 13.5}, 5.0, true}, {{24, 11.5}, 5.5, true}};
const AircraftDesign kBomberDesign{72, 56, kBomber, kBomberProps};

}  // namespace

void paintHeavyPlane(int code, int frame, View& v) {
  RenderOptions o;
  o.frame = frame;
  switch (code) {
    case 45:
      o.livery = &kMatSand;
      o.trim = &kMatRed;
      renderAircraft(v, kClimberDesign, o);
      break;
    case 46:
      o.noseDown = true;
      o.livery = &kMatOlive;
      o.trim = &kMatOrange;
      renderAircraft(v, kDescenderDesign, o);
      break;
    case 47:
      o.noseDown = true;
      o.livery = &kMatSteel;
      o.trim = &kMatRed;
      renderAircraft(v, kBomberDesign, o);
      break;
    default:
      break;
  }
}

}  // namespace assets
