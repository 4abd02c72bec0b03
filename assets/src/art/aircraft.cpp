#include "aircraft.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assets {

namespace {
constexpr Colour p(char key) { return paletteColour(key); }
}  // namespace

const Material kMatNavy{{p('b'), p('B'), p('c'), p('C'), p('i')}};
const Material kMatWhite{{p('3'), p('4'), p('5'), p('w'), p('w')}};
const Material kMatOlive{{p('g'), p('G'), p('h'), p('H'), p('S')}};
const Material kMatGrey{{p('1'), p('2'), p('3'), p('4'), p('5')}};
const Material kMatSand{{p('d'), p('D'), p('s'), p('S'), p('Y')}};
const Material kMatRed{{p('r'), p('R'), p('e'), p('E'), p('Y')}};
const Material kMatOrange{{p('o'), p('O'), p('y'), p('Y'), p('w')}};
const Material kMatPurple{{p('p'), p('P'), p('q'), p('Q'), p('w')}};
const Material kMatSteel{{p('6'), p('7'), p('8'), p('9'), p('w')}};
const Material kMatGlass{{p('b'), p('c'), p('C'), p('i'), p('w')}};
const Material kMatDark{{p('k'), p('1'), p('2'), p('3'), p('4')}};
const Material kMatTeal{{p('n'), p('t'), p('T'), p('u'), p('w')}};

namespace {

struct Mask {
  int w, h;
  std::vector<char> on;
  bool at(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h && on[static_cast<std::size_t>(y * w + x)]; }
};

// Rasterises one part (already in pixel coordinates) into a coverage mask.
Mask coverage(const Part& part, const std::array<Point, 6>& pts, int w, int h) {
  Canvas scratch(w, h);
  View sv(scratch);
  constexpr Colour kOn = 0x000001;
  switch (part.shape) {
    case Shape::Polygon:
      fillPolygon(sv, std::span<const Point>(pts.data(), static_cast<std::size_t>(part.count)), kOn);
      break;
    case Shape::Ellipse:
      fillEllipse(sv, pts[0].x, pts[0].y, pts[1].x, pts[1].y, kOn);
      break;
    case Shape::Line:
      drawLine(sv, static_cast<int>(std::floor(pts[0].x)), static_cast<int>(std::floor(pts[0].y)),
               static_cast<int>(std::floor(pts[1].x)), static_cast<int>(std::floor(pts[1].y)), kOn);
      break;
  }
  Mask m{w, h, std::vector<char>(static_cast<std::size_t>(w * h), 0)};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) m.on[static_cast<std::size_t>(y * w + x)] = sv.at(x, y) == kOn ? 1 : 0;
  }
  return m;
}

double lightAt(const Mask& m, Shade shade, int x, int y) {
  switch (shade) {
    case Shade::Cylinder: {
      int l = x;
      int r = x;
      while (m.at(l - 1, y)) --l;
      while (m.at(r + 1, y)) ++r;
      const double t = r == l ? 0.3 : (x - l) / static_cast<double>(r - l);
      return std::clamp(1.0 - std::abs(t - 0.3) * 1.45, 0.0, 1.0);
    }
    case Shade::Flat: {
      int top = y;
      int bottom = y;
      while (m.at(x, top - 1)) --top;
      while (m.at(x, bottom + 1)) ++bottom;
      const double s = bottom == top ? 0.5 : (y - top) / static_cast<double>(bottom - top);
      if (y - top == 0 && bottom - top >= 3) return 0.95;
      return 0.72 - 0.4 * s;
    }
    case Shade::Glass: {
      int l = x;
      int top = y;
      while (m.at(l - 1, y)) --l;
      while (m.at(x, top - 1)) --top;
      if (x - l == 1 && y - top <= 2) return 1.0;
      return 0.2 + 0.1 * ((x + y) % 2);
    }
    case Shade::Plain:
      return 0.62;
  }
  return 0.5;
}

Colour shadeColour(const Material& mat, double l) {
  if (l >= 0.92) return mat.ramp[4];
  if (l >= 0.66) return mat.ramp[3];
  if (l >= 0.42) return mat.ramp[2];
  if (l >= 0.2) return mat.ramp[1];
  return mat.ramp[0];
}

std::array<Point, 6> place(const Part& part, bool mirrored, const AircraftDesign& d, const RenderOptions& o) {
  std::array<Point, 6> pts = part.points;
  const double cx = d.width / 2.0;
  for (int i = 0; i < part.count; ++i) {
    Point& q = pts[static_cast<std::size_t>(i)];
    if (part.shape == Shape::Ellipse && i == 1) {
      q.x *= o.scale;
      q.y *= o.scale;
      continue;
    }
    if (mirrored) q.x = d.width - q.x;
    // Rolling squeezes the wing on the low side towards the centre line.
    const double side = q.x < cx ? -1.0 : 1.0;
    if (o.bank * side > 0.0) q.x = cx + (q.x - cx) * (1.0 - 0.35 * std::abs(o.bank));
    q.x = q.x * o.scale + o.offset.x;
    q.y = q.y * o.scale + o.offset.y;
  }
  if (part.shape == Shape::Ellipse && o.bank != 0.0) {
    const double side = pts[0].x < cx * o.scale + o.offset.x ? -1.0 : 1.0;
    if (o.bank * side > 0.0) pts[1].x *= 1.0 - 0.2 * std::abs(o.bank);
  }
  return pts;
}

void paintPart(Canvas& c, std::vector<int>& owner, int id, const Part& part, const Material& mat,
               const std::array<Point, 6>& pts, double dim) {
  const Mask m = coverage(part, pts, c.width(), c.height());
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      if (!m.at(x, y)) continue;
      double l = part.shape == Shape::Line ? 0.1 : lightAt(m, part.shade, x, y);
      l *= dim;
      // Where this part's edge lies over an earlier part, darken it so the
      // parts read apart.
      const bool overOther = (!m.at(x - 1, y) && c.at(x - 1, y) != kTransparent) ||
                             (!m.at(x + 1, y) && c.at(x + 1, y) != kTransparent) ||
                             (!m.at(x, y - 1) && c.at(x, y - 1) != kTransparent) ||
                             (!m.at(x, y + 1) && c.at(x, y + 1) != kTransparent);
      Colour col = shadeColour(mat, l);
      if (overOther && part.shade != Shade::Plain) col = mat.ramp[0];
      c.set(x, y, col);
      owner[static_cast<std::size_t>(y * c.width() + x)] = id;
    }
  }
}

void paintPropeller(Canvas& c, Point hub, double span, int frame) {
  const Colour blade = p('1');
  const Colour blur = p('4');
  const Colour spinner = p('5');
  const int hy = static_cast<int>(std::floor(hub.y));
  const int hx = static_cast<int>(std::floor(hub.x));
  const int full = static_cast<int>(std::lround(span));
  static constexpr double kReach[3] = {1.0, 0.55, 0.2};
  const int reach = static_cast<int>(std::lround(span * kReach[(frame - 1) % 3]));
  for (int dx = -full; dx <= full; ++dx) {
    if (std::abs(dx) <= reach) {
      c.set(hx + dx, hy, blade);
    } else if ((dx + frame) % 2 == 0) {
      c.set(hx + dx, hy, blur);
    }
  }
  c.set(hx, hy, spinner);
  c.set(hx, hy - 1, spinner);
}

// A flame trailing from a nozzle downwards (the craft is authored nose up):
// white-hot at the nozzle, yellow then orange, longer on odd frames.
void paintFlame(Canvas& c, Point nozzle, double width, int frame) {
  const int length = frame % 2 == 1 ? 4 : 2;
  const int half = std::max(0, static_cast<int>(std::lround(width / 2.0)) - 1);
  const int x0 = static_cast<int>(std::floor(nozzle.x));
  const int y0 = static_cast<int>(std::floor(nozzle.y));
  static constexpr char kCore[4] = {'Y', 'y', 'O', 'o'};
  for (int d = 0; d < length; ++d) {
    const int reach = std::max(0, half - d / 2);
    const Colour col = paletteColour(kCore[std::min(d, 3)]);
    for (int dx = -reach; dx <= reach + (static_cast<int>(std::lround(width)) % 2 == 0 ? 1 : 0); ++dx) {
      c.set(x0 + dx, y0 + d, col);
    }
  }
}

}  // namespace

void renderAircraft(View& v, const AircraftDesign& design, const RenderOptions& o) {
  Canvas c(v.width(), v.height());
  std::vector<int> owner(static_cast<std::size_t>(c.width() * c.height()), -1);
  int id = 0;
  const double cx = design.width / 2.0;
  for (const Part& part : design.parts) {
    for (int pass = 0; pass < (part.mirror ? 2 : 1); ++pass) {
      const std::array<Point, 6> pts = place(part, pass == 1, design, o);
      // The wing on the low side of a roll catches less light.
      const double px = (pts[0].x - o.offset.x) / o.scale;
      const bool lowSide = (o.bank > 0.0 && px > cx + 2.0) || (o.bank < 0.0 && px < cx - 2.0);
      const Material* mat = part.material;
      if (part.material == &kMatOlive && o.livery != nullptr) mat = o.livery;
      if (part.material == &kMatRed && o.trim != nullptr) mat = o.trim;
      paintPart(c, owner, id++, part, *mat, pts, lowSide ? 1.0 - 0.3 * std::abs(o.bank) : 1.0);
    }
  }
  for (const Propeller& prop : design.propellers) {
    for (int pass = 0; pass < (prop.mirror ? 2 : 1); ++pass) {
      Point hub = prop.hub;
      if (pass == 1) hub.x = design.width - hub.x;
      const double side = hub.x < cx ? -1.0 : 1.0;
      if (o.bank * side > 0.0) hub.x = cx + (hub.x - cx) * (1.0 - 0.35 * std::abs(o.bank));
      paintPropeller(c, {hub.x * o.scale + o.offset.x, hub.y * o.scale + o.offset.y}, prop.span * o.scale, o.frame);
    }
  }
  for (const Exhaust& ex : design.exhausts) {
    for (int pass = 0; pass < (ex.mirror ? 2 : 1); ++pass) {
      Point n = ex.nozzle;
      if (pass == 1) n.x = design.width - n.x;
      paintFlame(c, {n.x * o.scale + o.offset.x, n.y * o.scale + o.offset.y}, ex.width * o.scale, o.frame);
    }
  }
  View cv(c);
  if (o.silhouette) {
    for (int y = 0; y < c.height(); ++y) {
      for (int x = 0; x < c.width(); ++x) {
        if (c.at(x, y) != kTransparent) c.set(x, y, o.silhouetteColour);
      }
    }
  } else {
    outlineShape(cv, o.outline);
  }
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      const Colour col = c.at(x, o.noseDown ? c.height() - 1 - y : y);
      if (col != kTransparent) v.set(x, y, col);
    }
  }
}

}  // namespace assets
