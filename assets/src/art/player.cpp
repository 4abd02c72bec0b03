// The player's craft, the Kestrel: a twin-boom fighter in navy and white
// with orange wing tips, and its small copy for the lives counter.
#include "aircraft.h"
#include "art.h"

namespace assets {
namespace {

using S = Shape;
using H = Shade;

// Authored 65x51, nose up; x of the centre line is 32.5.
constexpr double kWidth = 65.0;
constexpr double kHeight = 51.0;

const Part kParts[] = {
    // Tailplane joining the booms, then the wings.
    {S::Polygon, &kMatNavy, H::Flat, true, 4, {{{14, 42}, {32.5, 42}, {32.5, 47}, {14, 47.5}}}},
    {S::Polygon, &kMatNavy, H::Flat, true, 5, {{{3, 23}, {16, 20.5}, {32.5, 20}, {32.5, 31}, {4, 30}}}},
    {S::Ellipse, &kMatNavy, H::Flat, true, 2, {{{4.5, 26.5}, {3.0, 4.0}}}},
    {S::Polygon, &kMatOrange, H::Flat, true, 4, {{{1.5, 23.5}, {5.5, 22.6}, {5.5, 30.2}, {2.0, 29.6}}}},
    // White star marking on each wing.
    {S::Ellipse, &kMatWhite, H::Plain, true, 2, {{{10.5, 25.5}, {2.4, 2.4}}}},
    {S::Ellipse, &kMatRed, H::Plain, true, 2, {{{10.5, 25.5}, {1.1, 1.1}}}},
    // Booms with their engines and tail fins.
    {S::Polygon, &kMatDark, H::Cylinder, true, 4, {{{17, 39}, {20, 39}, {20, 50}, {17, 50}}}},
    {S::Ellipse, &kMatWhite, H::Cylinder, true, 2, {{{18.5, 27.0}, {3.6, 19.5}}}},
    {S::Ellipse, &kMatNavy, H::Cylinder, true, 2, {{{18.5, 12.5}, {4.4, 7.5}}}},
    {S::Line, &kMatNavy, H::Plain, true, 2, {{{18, 22}, {18, 36}}}},
    {S::Ellipse, &kMatOrange, H::Cylinder, true, 2, {{{18.5, 6.5}, {2.2, 2.6}}}},
    // Central pod with the canopy and twin nose guns.
    {S::Polygon, &kMatGrey, H::Cylinder, false, 4, {{{30.5, 6}, {34.5, 6}, {34.5, 12}, {30.5, 12}}}},
    {S::Ellipse, &kMatWhite, H::Cylinder, false, 2, {{{32.5, 23.0}, {5.2, 14.5}}}},
    {S::Ellipse, &kMatGlass, H::Glass, false, 2, {{{32.5, 19.5}, {2.8, 5.5}}}},
    {S::Polygon, &kMatOrange, H::Plain, false, 4, {{{29, 31}, {36, 31}, {35.5, 33}, {29.5, 33}}}},
};

const Propeller kProps[] = {{{18.5, 4.0}, 8.0, true}};

const AircraftDesign kKestrel{kWidth, kHeight, kParts, kProps};

}  // namespace

const AircraftDesign* const kKestrelDesign = &kKestrel;

void paintPlayer(int frame, View& v) { renderAircraft(v, kKestrel, {.frame = frame}); }

void paintLifeIcon(View& v) {
  RenderOptions o;
  o.frame = 1;
  o.scale = 0.47;
  o.offset = {0.7, 4.0};
  renderAircraft(v, kKestrel, o);
}

}  // namespace assets
