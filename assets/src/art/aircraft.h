// Aircraft are authored as tables of parts (wings, fuselage, engines,
// canopy...), each a polygon, an ellipse or a line of one material with one
// kind of shading, listed back to front. The renderer shades each part from a
// light at the upper left, darkens the edges where a part lies over another
// and rings the whole craft in the outline colour. Parts marked `mirror` are
// drawn again reflected across the craft's centre line, so a symmetric
// plane is described by its left half.
#pragma once

#include <array>
#include <span>

#include "core/palette.h"
#include "gen_kit/draw.h"

namespace assets {

// A shading ramp from dark to light; the last entry is the glint colour.
struct Material {
  std::array<Colour, 5> ramp;
};

enum class Shape { Polygon, Ellipse, Line };
enum class Shade {
  Cylinder,  // round across its width: lit at the left, dark at the right
  Flat,      // a surface: bright at its front edge, darker towards the back
  Glass,     // a canopy: dark with a glint at the upper left
  Plain,     // one mid-light colour, for markings
};

struct Part {
  Shape shape;
  const Material* material;
  Shade shade;
  bool mirror;
  int count;                   // points used (Polygon 3-6, Ellipse: centre and radii, Line: 2 ends)
  std::array<Point, 6> points;
};

// A propeller: the hub position (left half; mirrored when `mirror`), and the
// blade half-span. Frames 1..3 show the blades at three angles.
struct Propeller {
  Point hub;
  double span;
  bool mirror;
};

// A jet's exhaust: the nozzle (left half; mirrored when `mirror`) and the
// flame's width; the flame flickers between frames.
struct Exhaust {
  Point nozzle;
  double width;
  bool mirror;
};

struct AircraftDesign {
  double width;   // authored size; the centre line is at width / 2
  double height;
  std::span<const Part> parts;
  std::span<const Propeller> propellers;
  std::span<const Exhaust> exhausts = {};
};

struct RenderOptions {
  int frame = 1;              // propeller phase 1..3
  bool noseDown = false;      // authored nose up; flip for craft flying down the screen
  double scale = 1.0;         // authored units to pixels
  double bank = 0.0;          // -1..1: squeeze the left (negative) or right wing as the craft rolls
  Colour outline = 0x141018;  // 'k'
  Point offset{0.0, 0.0};     // pixels added after scaling
  // Liveries: parts authored in olive take `livery`, parts in red take
  // `trim`, so one design flies in several colour schemes.
  const Material* livery = nullptr;
  const Material* trim = nullptr;
  bool silhouette = false;    // every pixel in `silhouetteColour`, no outline (a shadow)
  Colour silhouetteColour = 0x0a2f5a;
};

void renderAircraft(View& v, const AircraftDesign& design, const RenderOptions& options = {});

// The player's craft, also shown small on icons.
extern const AircraftDesign* const kKestrelDesign;

// Shared materials of the palette's ramps.
extern const Material kMatNavy;
extern const Material kMatWhite;
extern const Material kMatOlive;
extern const Material kMatGrey;
extern const Material kMatSand;
extern const Material kMatRed;
extern const Material kMatOrange;
extern const Material kMatPurple;
extern const Material kMatSteel;
extern const Material kMatGlass;
extern const Material kMatDark;
extern const Material kMatTeal;

}  // namespace assets
