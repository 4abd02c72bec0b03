// Drawing primitives on a View, for the pictures painted by code rather than
// by grid: boxes, lines, ellipses, polygons, ordered dithering between two
// colours, and the outline pass that rings a shape in dark pixels.
#pragma once

#include <span>

#include "gen_kit/canvas.h"

namespace gen_kit {

struct Point {
  double x, y;
};

void fillBox(View& v, int x, int y, int w, int h, Colour c);
void drawLine(View& v, int x1, int y1, int x2, int y2, Colour c);
// Ellipse with a real-valued centre and radii; pixel centres inside are set.
void fillEllipse(View& v, double cx, double cy, double rx, double ry, Colour c);
// Even-odd scanline fill of a closed polygon, sampled at pixel centres.
void fillPolygon(View& v, std::span<const Point> points, Colour c);

// 4x4 ordered-dither threshold in [0, 1) for a pixel.
double bayerThreshold(int x, int y);
// Picks `a` or `b` for a pixel so that a region shows a mix of t (0 = all a,
// 1 = all b).
Colour dither(int x, int y, Colour a, Colour b, double t);
// Picks from a ramp of colours by a value in [0, 1], dithering between steps.
Colour rampColour(int x, int y, std::span<const Colour> ramp, double t);

// Sets every transparent pixel that touches an opaque one (4-neighbourhood)
// to `c`. With `diagonals` the 8-neighbourhood counts.
void outlineShape(View& v, Colour c, bool diagonals = false);

// Replaces every pixel of colour `from` by `to`.
void recolour(View& v, Colour from, Colour to);

}  // namespace gen_kit
