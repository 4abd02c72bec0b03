// The boss, a four-engined fortress in violet and steel (96x80, flying down
// the screen; its wing turrets sit where its shots leave, x + 30 and x + 50
// at y + 40), and its arrival: the fortress sinking out of the high clouds,
// first as a shadow, then in colour, in four one-second steps.
#include <cmath>

#include "aircraft.h"
#include "art.h"
#include "gen_kit/draw.h"
#include "gen_kit/random.h"

namespace assets {
namespace {

using S = Shape;
using H = Shade;

// Authored nose up, centre line x = 48.
const Part kFortress[] = {
    {S::Polygon, &kMatOlive, H::Flat, true, 4, {{{27, 67}, {48, 64}, {48, 76}, {29, 77}}}},
    {S::Polygon, &kMatRed, H::Plain, true, 4, {{{27, 67}, {31, 66.5}, {32, 76.8}, {29, 77}}}},
    {S::Polygon, &kMatSteel, H::Flat, true, 6, {{{1, 35}, {14, 28}, {48, 24}, {48, 45}, {14, 45}, {2, 41}}}},
    {S::Polygon, &kMatRed, H::Plain, true, 4, {{{4, 33.5}, {8, 31.3}, {8, 44.3}, {4, 42.5}}}},
    {S::Line, &kMatSteel, H::Plain, true, 2, {{{10, 41}, {40, 41}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, true, 2, {{{17, 31}, {4.2, 11}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, true, 2, {{{31, 29}, {4.8, 12.5}}}},
    {S::Ellipse, &kMatDark, H::Cylinder, true, 2, {{{17, 21}, {3.2, 2.6}}}},
    {S::Ellipse, &kMatDark, H::Cylinder, true, 2, {{{31, 17.5}, {3.6, 2.8}}}},
    {S::Ellipse, &kMatRed, H::Cylinder, true, 2, {{{39, 33}, {3.4, 3.4}}}},
    {S::Ellipse, &kMatOlive, H::Cylinder, false, 2, {{{48, 40}, {8.5, 38}}}},
    {S::Ellipse, &kMatGlass, H::Glass, false, 2, {{{48, 9}, {4.4, 5.5}}}},
    {S::Ellipse, &kMatGlass, H::Glass, false, 2, {{{48, 19}, {3.4, 3.5}}}},
    {S::Ellipse, &kMatRed, H::Cylinder, false, 2, {{{48, 44}, {4.2, 4.2}}}},
    {S::Polygon, &kMatOrange, H::Plain, false, 4, {{{44, 56}, {52, 56}, {51.5, 59}, {44.5, 59}}}},
    {S::Line, &kMatDark, H::Plain, false, 2, {{{48, 26}, {48, 38}}}},
    {S::Line, &kMatDark, H::Plain, false, 2, {{{48, 50}, {48, 72}}}},
};
const Propeller kFortressProps[] = {{{17, 18}, 6.0, true}, {{31, 14.5}, 7.0, true}};
const AircraftDesign kFortressDesign{96, 80, kFortress, kFortressProps};

RenderOptions fortressOptions(int frame) {
  RenderOptions o;
  o.frame = frame;
  o.noseDown = true;
  o.livery = &kMatPurple;
  o.trim = &kMatRed;
  return o;
}

// Soft cloud puffs: white with pale-blue undersides, scattered by a seed.
void paintCloudWisps(View& v, std::uint64_t seed, int count) {
  gen_kit::SplitMix64 rng(seed);
  for (int i = 0; i < count; ++i) {
    const double cx = rng.between(6, v.width() - 6);
    const double cy = rng.between(6, v.height() - 6);
    const double r = rng.between(3.0, 6.5);
    fillEllipse(v, cx + 1, cy + 1.5, r * 1.4, r * 0.8, paletteColour('l'));
    fillEllipse(v, cx, cy, r * 1.4, r * 0.8, paletteColour('L'));
    fillEllipse(v, cx - r * 0.5, cy - 0.5, r * 0.7, r * 0.45, paletteColour('w'));
  }
}

}  // namespace

void paintBoss(int frame, View& v) { renderAircraft(v, kFortressDesign, fortressOptions(frame)); }

void paintBossArrival(int frame, View& v) {
  // Frames 1-2: the fortress's shadow grows on the sea beneath the clouds;
  // frames 3-4: it drops into view, nearly full size.
  static constexpr double kScale[4] = {0.55, 0.68, 0.78, 0.85};
  const int f = frame < 1 ? 1 : (frame > 4 ? 4 : frame);
  const double scale = kScale[f - 1];
  RenderOptions o = fortressOptions(f % 2 + 1);
  o.scale = scale;
  o.offset = {(v.width() - 96.0 * scale) / 2.0, (v.height() - 80.0 * scale) / 2.0};
  if (f <= 2) {
    o.silhouette = true;
    o.silhouetteColour = paletteColour('n');
  }
  renderAircraft(v, kFortressDesign, o);
  paintCloudWisps(v, 0x5EED0087u + static_cast<std::uint64_t>(f), f <= 2 ? 6 : 3);
}

}  // namespace assets
