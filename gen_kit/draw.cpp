#include "gen_kit/draw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/image.h"

namespace gen_kit {

void fillBox(View& v, int x, int y, int w, int h, Colour c) {
  for (int yy = y; yy < y + h; ++yy) {
    for (int xx = x; xx < x + w; ++xx) v.set(xx, yy, c);
  }
}

void drawLine(View& v, int x1, int y1, int x2, int y2, Colour c) {
  // The platform's line, drawn as a mask over the line's bounding box and
  // then set through the view, which clips it. The line's pixels depend only
  // on the difference of its ends, so moving it into the box changes none.
  const int left = std::min(x1, x2);
  const int top = std::min(y1, y2);
  platform::Image mask = platform::createImage(std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1, 0);
  platform::drawLine(mask, x1 - left, y1 - top, x2 - left, y2 - top, 1);
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      if (mask.row(y)[x] != 0) v.set(left + x, top + y, c);
    }
  }
}

void fillEllipse(View& v, double cx, double cy, double rx, double ry, Colour c) {
  if (rx <= 0.0 || ry <= 0.0) return;
  const int y0 = static_cast<int>(std::floor(cy - ry));
  const int y1 = static_cast<int>(std::ceil(cy + ry));
  const int x0 = static_cast<int>(std::floor(cx - rx));
  const int x1 = static_cast<int>(std::ceil(cx + rx));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const double nx = (x + 0.5 - cx) / rx;
      const double ny = (y + 0.5 - cy) / ry;
      if (nx * nx + ny * ny <= 1.0) v.set(x, y, c);
    }
  }
}

void fillPolygon(View& v, std::span<const Point> points, Colour c) {
  if (points.size() < 3) return;
  double minY = points[0].y;
  double maxY = points[0].y;
  for (const Point& p : points) {
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  std::vector<double> crossings;
  for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
    const double sy = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Point& a = points[i];
      const Point& b = points[(i + 1) % points.size()];
      if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy)) {
        crossings.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
      }
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const int xa = static_cast<int>(std::ceil(crossings[i] - 0.5));
      const int xb = static_cast<int>(std::floor(crossings[i + 1] - 0.5));
      for (int x = xa; x <= xb; ++x) v.set(x, y, c);
    }
  }
}

double bayerThreshold(int x, int y) {
  static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return (kBayer[y & 3][x & 3] + 0.5) / 16.0;
}

Colour dither(int x, int y, Colour a, Colour b, double t) { return t > bayerThreshold(x, y) ? b : a; }

Colour rampColour(int x, int y, std::span<const Colour> ramp, double t) {
  if (ramp.empty()) return kTransparent;
  const double scaled = std::clamp(t, 0.0, 1.0) * static_cast<double>(ramp.size() - 1);
  const auto low = static_cast<std::size_t>(std::floor(scaled));
  if (low + 1 >= ramp.size()) return ramp.back();
  return dither(x, y, ramp[low], ramp[low + 1], scaled - static_cast<double>(low));
}

void outlineShape(View& v, Colour c, bool diagonals) {
  std::vector<char> edge(static_cast<std::size_t>(v.width() * v.height()), 0);
  for (int y = 0; y < v.height(); ++y) {
    for (int x = 0; x < v.width(); ++x) {
      if (v.opaque(x, y)) continue;
      bool touch = v.opaque(x - 1, y) || v.opaque(x + 1, y) || v.opaque(x, y - 1) || v.opaque(x, y + 1);
      if (diagonals) {
        touch = touch || v.opaque(x - 1, y - 1) || v.opaque(x + 1, y - 1) || v.opaque(x - 1, y + 1) ||
                v.opaque(x + 1, y + 1);
      }
      if (touch) edge[static_cast<std::size_t>(y * v.width() + x)] = 1;
    }
  }
  for (int y = 0; y < v.height(); ++y) {
    for (int x = 0; x < v.width(); ++x) {
      if (edge[static_cast<std::size_t>(y * v.width() + x)] != 0) v.set(x, y, c);
    }
  }
}

void recolour(View& v, Colour from, Colour to) {
  for (int y = 0; y < v.height(); ++y) {
    for (int x = 0; x < v.width(); ++x) {
      if (v.at(x, y) == from) v.set(x, y, to);
    }
  }
}

}  // namespace gen_kit
