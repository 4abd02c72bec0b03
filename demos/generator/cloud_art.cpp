// The cloud: a heap of overlapping puffs, each a dome, lit from the upper
// left with a blue-grey underside and a ragged edge.
#include <algorithm>
#include <array>
#include <cmath>

#include "demos/generator/colour.h"
#include "gen_kit/random.h"
#include "demos/generator/small_art.h"

namespace demo_gen {

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 116;

struct Puff {
  double x;
  double y;
  double radius;
};

constexpr auto kPuffs = std::to_array<Puff>({
    {38, 78, 24}, {66, 60, 30}, {100, 48, 36}, {136, 58, 30}, {164, 76, 24},
    {82, 84, 26}, {120, 86, 27}, {150, 90, 20}, {52, 92, 18}, {30, 96, 14},
    {176, 94, 14}, {96, 30, 18}, {118, 34, 16}, {74, 40, 14},
});
static_assert(kPuffs.size() == 14);

// The height of the heap of domes at a point; <= 0 outside the cloud. The
// domes are joined by a soft maximum, so neighbouring puffs merge gently.
double height(double x, double y) {
  constexpr double kSoftness = 5.0;
  double sum = 0.0;
  for (const Puff& p : kPuffs) {
    const double d2 = (x - p.x) * (x - p.x) + (y - p.y) * (y - p.y);
    const double h = p.radius * p.radius - d2;
    const double dome = h > 0.0 ? std::sqrt(h) : -std::sqrt(-h);
    sum += std::exp(std::max(dome, -60.0) / kSoftness);
  }
  double best = kSoftness * std::log(sum);
  // A ragged rim and a flatter base.
  best += (gen_kit::periodicFractal(x, y, 16, 3, 256, 128, 31) - 0.5) * 9.0;
  if (y > 100.0) best -= (y - 100.0) * 1.6;
  return best;
}

}  // namespace

platform::Image cloudPicture() {
  platform::Image image = platform::createImage(kWidth, kHeight, kKey);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const double h = height(x, y);
      if (h <= 0.0) continue;
      // Normal from the height field's slope; light from the upper left.
      const double gx = height(x + 1, y) - height(x - 1, y);
      const double gy = height(x, y + 1) - height(x, y - 1);
      const double nx = -gx, ny = -gy, nz = 4.0;
      const double n = std::sqrt(nx * nx + ny * ny + nz * nz);
      const double light = std::max(0.0, (nx * -0.5 + ny * -0.62 + nz * 0.6) / n);
      const double below = std::clamp((y - 40.0) / 70.0, 0.0, 1.0);
      const Rgb shadow = mix(rgb(0xB8C6DC), rgb(0x8C9CB8), below);
      Rgb c = mix(shadow, rgb(0xFFFFFF), std::clamp(light * 1.25 - 0.1, 0.0, 1.0));
      c = mix(c, rgb(0xFFFFFF), std::clamp((h - 14.0) / 30.0, 0.0, 0.35));
      image.row(y)[x] = pixel(c);
    }
  }
  return image;
}

}  // namespace demo_gen
