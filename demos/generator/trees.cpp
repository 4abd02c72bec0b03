#include "demos/generator/trees.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "gen_kit/random.h"

namespace demo_gen {

namespace {

// The canopy's edge bulges in a few lobes.
double lobedRadius(const Tree& t, double angle) {
  gen_kit::SplitMix64 r(t.seed);
  const double phase = r.between(0.0, 2.0 * std::numbers::pi);
  const double lobes = 4.0 + r.below(3);
  return t.radius * (0.88 + 0.12 * std::sin(lobes * angle + phase));
}

template <class Plot>
void forEachPixel(const Tree& t, double dx0, double dy0, double grow, Plot plot) {
  const int reach = static_cast<int>(std::ceil(t.radius * grow + 1.0));
  const int cx = static_cast<int>(std::floor(t.x + dx0));
  const int cy = static_cast<int>(std::floor(t.y + dy0));
  for (int y = cy - reach; y <= cy + reach; ++y) {
    for (int x = cx - reach; x <= cx + reach; ++x) {
      const double px = x + 0.5 - (t.x + dx0);
      const double py = y + 0.5 - (t.y + dy0);
      const double d = std::hypot(px, py);
      const double r = lobedRadius(t, std::atan2(py, px)) * grow;
      if (d <= r) plot(x, y, px / r, py / r);
    }
  }
}

}  // namespace

void drawTrees(WrapCanvas& canvas, std::vector<Tree> trees) {
  std::sort(trees.begin(), trees.end(), [](const Tree& a, const Tree& b) { return a.y < b.y; });
  for (const Tree& t : trees) {
    const double offset = t.radius * 0.45 + 1.0;
    forEachPixel(t, offset, offset, 1.0, [&](int x, int y, double, double) {
      canvas.set(x, y, scale(canvas.get(x, y), 0.55));
    });
  }
  for (const Tree& t : trees) {
    forEachPixel(t, 0.0, 0.0, 1.0, [&](int x, int y, double nx, double ny) {
      const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
      const double light = std::max(0.0, nx * -0.5 + ny * -0.6 + nz * 0.62);
      const double clumps = gen_kit::latticeValue(x / 2, y / 2, t.seed) * 0.22 + 0.89;
      Rgb c = scale(t.leaves, (0.42 + 0.78 * light) * clumps);
      if (nx * nx + ny * ny > 0.8) c = scale(c, 0.8);  // darker rim
      canvas.set(x, y, c);
    });
  }
}

}  // namespace demo_gen
