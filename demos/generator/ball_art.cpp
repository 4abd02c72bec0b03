// The two balls, drawn as shaded solids: a sphere and a ring (torus).
#include <algorithm>
#include <cmath>

#include "demos/generator/colour.h"
#include "demos/generator/small_art.h"

namespace demo_gen {

namespace {

constexpr int kSize = 20;
constexpr double kCentre = (kSize - 1) / 2.0;
constexpr Rgb kOutline = rgb(0x141828);

struct Normal {
  double x;
  double y;
  double z;
};

// Diffuse and specular light from the upper left, y growing downwards.
Rgb lit(const Rgb& base, const Normal& n) {
  const double lx = -0.48, ly = -0.58, lz = 0.66;
  const double diffuse = std::max(0.0, n.x * lx + n.y * ly + n.z * lz);
  const double hx = lx, hy = ly, hz = lz + 1.0;
  const double hl = std::sqrt(hx * hx + hy * hy + hz * hz);
  const double specular = std::pow(std::max(0.0, (n.x * hx + n.y * hy + n.z * hz) / hl), 40.0);
  const Rgb c = scale(base, 0.28 + 0.85 * diffuse);
  return mix(c, rgb(0xFFFFFF), std::min(1.0, 0.9 * specular));
}

void outline(platform::Image& image) {
  platform::Image copy = image;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (!platform::isMagenta(copy.row(y)[x])) continue;
      const bool edge = (x > 0 && !platform::isMagenta(copy.row(y)[x - 1])) ||
                        (x + 1 < kSize && !platform::isMagenta(copy.row(y)[x + 1])) ||
                        (y > 0 && !platform::isMagenta(copy.row(y - 1)[x])) ||
                        (y + 1 < kSize && !platform::isMagenta(copy.row(y + 1)[x]));
      if (edge) image.row(y)[x] = pixel(kOutline);
    }
  }
}

}  // namespace

platform::Image ballPicture() {
  platform::Image image = platform::createImage(kSize, kSize, kKey);
  constexpr double radius = 8.6;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double dx = (x - kCentre) / radius;
      const double dy = (y - kCentre) / radius;
      const double d2 = dx * dx + dy * dy;
      if (d2 > 1.0) continue;
      image.row(y)[x] = pixel(lit(rgb(0x2F7FE8), {dx, dy, std::sqrt(1.0 - d2)}));
    }
  }
  outline(image);
  return image;
}

platform::Image ringPicture() {
  platform::Image image = platform::createImage(kSize, kSize, kKey);
  constexpr double middle = 6.3;  // radius of the tube's centre line
  constexpr double tube = 2.6;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double px = x - kCentre;
      const double py = y - kCentre;
      const double r = std::hypot(px, py);
      const double across = (r - middle) / tube;
      if (std::abs(across) > 1.0 || r < 1e-9) continue;
      // The tube's surface normal: outwards from the centre line, tilted up.
      const double nz = std::sqrt(1.0 - across * across);
      image.row(y)[x] = pixel(lit(rgb(0xF06A24), {across * px / r, across * py / r, nz}));
    }
  }
  outline(image);
  return image;
}

}  // namespace demo_gen
