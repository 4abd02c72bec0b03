// Small enemy planes, 40x40: the propeller fighters of codes 1 to 4, the
// swept-wing jets of code 5 and the divers 41 to 43 (level, rolling right,
// rolling left), and the climbing jet 44 that overtakes from behind.
#include "aircraft.h"
#include "art.h"

namespace assets {
namespace {

using S = Shape;
using H = Shade;

// Propeller fighter, nose up, centre line x = 20. Olive parts take the
// livery, red parts the trim.
const Part kFighter[] = {
    {S::Polygon, &kMatOlive, H::Flat, true, 4, {{{12, 32}, {20, 31.5}, {20, 37}, {13, 36.5}}}},
    {S::Polygon, &kMatOlive, H::Flat, true, 5, {{{2.5, 16.5}, {10, 14.5}, {20, 14}, {20, 23}, {3, 22}}}},
    {S::Ellipse, &kMatOlive, H::Flat, true, 2, {{{3.5, 19.2}, {2.2, 3.2}}}},
    {S::Ellipse, &kMatWhite, H::Plain, true, 2, {{{8.5, 18.5}, {2.3, 2.3}}}},
    {S::Ellipse, &kMatRed, H::Plain, true, 2, {{{8.5, 18.5}, {1.3, 1.3}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, false, 2, {{{20, 21}, {3.6, 16.5}}}},
    {S::Polygon, &kMatDark, H::Cylinder, false, 4, {{{19, 33}, {21, 33}, {21, 39}, {19, 39}}}},
    {S::Ellipse, &kMatRed, H::Cylinder, false, 2, {{{20, 7.5}, {4.2, 4.2}}}},
    {S::Ellipse, &kMatGlass, H::Glass, false, 2, {{{20, 17}, {1.9, 3.6}}}},
    {S::Polygon, &kMatRed, H::Plain, false, 4, {{{17, 27}, {23, 27}, {22.6, 29}, {17.4, 29}}}},
};
const Propeller kFighterProp[] = {{{20, 3}, 7.0, false}};
const AircraftDesign kFighterDesign{40, 40, kFighter, kFighterProp};

// Heavier fighter with a broad wing and wing guns (code 3 and 4).
const Part kBrawler[] = {
    {S::Polygon, &kMatOlive, H::Flat, true, 4, {{{11, 33}, {20, 32}, {20, 37.5}, {12, 37.5}}}},
    {S::Polygon, &kMatOlive, H::Flat, true, 5, {{{1, 18}, {8, 14}, {20, 13}, {20, 25}, {2, 24}}}},
    {S::Line, &kMatDark, H::Plain, true, 2, {{{7, 12}, {7, 15}}}},
    {S::Polygon, &kMatRed, H::Plain, true, 4, {{{1, 18}, {4, 16.5}, {4, 24}, {1.5, 24}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, false, 2, {{{20, 21.5}, {4.2, 16.5}}}},
    {S::Polygon, &kMatDark, H::Cylinder, false, 4, {{{19, 34}, {21, 34}, {21, 39}, {19, 39}}}},
    {S::Ellipse, &kMatGrey, H::Cylinder, false, 2, {{{20, 8}, {4.6, 4.5}}}},
    {S::Ellipse, &kMatGlass, H::Glass, false, 2, {{{20, 18.5}, {2.1, 3.8}}}},
    {S::Ellipse, &kMatWhite, H::Plain, true, 2, {{{11.5, 19}, {2.0, 2.0}}}},
};
const AircraftDesign kBrawlerDesign{40, 40, kBrawler, kFighterProp};

// Swept-wing jet, nose up (codes 5, 41-43 and 44).
const Part kJet[] = {
    {S::Polygon, &kMatOlive, H::Flat, true, 4, {{{12, 36}, {20, 30}, {20, 37}, {12.5, 38.5}}}},
    {S::Polygon, &kMatOlive, H::Flat, true, 4, {{{2.5, 28}, {20, 11}, {20, 26}, {3.5, 32}}}},
    {S::Polygon, &kMatRed, H::Plain, true, 4, {{{2.5, 28}, {5.5, 25}, {6.2, 30.4}, {3.5, 32}}}},
    {S::Ellipse, &kMatDark, H::Cylinder, true, 2, {{{16.4, 20}, {1.6, 5.0}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, false, 2, {{{20, 21}, {3.4, 17.5}}}},
    {S::Ellipse, &kMatGrey, H::Cylinder, false, 2, {{{20, 5.5}, {1.9, 3.2}}}},
    {S::Ellipse, &kMatGlass, H::Glass, false, 2, {{{20, 13.5}, {1.7, 3.4}}}},
    {S::Line, &kMatRed, H::Plain, false, 2, {{{20, 20}, {20, 30}}}},
};
const Exhaust kJetExhaust[] = {{{20, 38.5}, 3.0, false}};
const AircraftDesign kJetDesign{40, 40, kJet, {}, kJetExhaust};

struct SmallPlane {
  int code;
  const AircraftDesign* design;
  const Material* livery;
  const Material* trim;
  bool noseDown;
  double bank;
};

const SmallPlane kSmallPlanes[] = {
    {1, &kFighterDesign, &kMatOlive, &kMatRed, true, 0.0},
    {2, &kFighterDesign, &kMatGrey, &kMatOrange, true, 0.0},
    {3, &kBrawlerDesign, &kMatSand, &kMatRed, true, 0.0},
    {4, &kBrawlerDesign, &kMatRed, &kMatOrange, true, 0.0},
    {5, &kJetDesign, &kMatPurple, &kMatOrange, true, 0.0},
    {41, &kJetDesign, &kMatSteel, &kMatRed, true, 0.0},
    // 42 slides right and rolls onto its right wing, 43 the other way.
    {42, &kJetDesign, &kMatSteel, &kMatRed, true, 0.9},
    {43, &kJetDesign, &kMatSteel, &kMatRed, true, -0.9},
    {44, &kJetDesign, &kMatTeal, &kMatOrange, false, 0.0},
};

}  // namespace

void paintSmallPlane(int code, int frame, View& v) {
  for (const SmallPlane& p : kSmallPlanes) {
    if (p.code != code) continue;
    RenderOptions o;
    o.frame = frame;
    o.noseDown = p.noseDown;
    o.bank = p.bank;
    o.livery = p.livery;
    o.trim = p.trim;
    renderAircraft(v, *p.design, o);
  }
}

}  // namespace assets
