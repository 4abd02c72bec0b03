// Explosions: the small one (70, 32x32, six frames) and the large one (71,
// 64x64, seven frames). A cluster of fireballs swells from a white flash
// through yellow and orange to red, then breaks up into grey smoke while
// sparks fly outwards. Drawn from a fixed seed, so every run is identical.
#include <algorithm>
#include <cmath>
#include <vector>

#include "art.h"
#include "core/draw.h"
#include "core/rng.h"

namespace assets {
namespace {

struct Blob {
  double x, y, r, delay;
};

struct Spark {
  double angle, speed;
};

void paintBlast(View& v, int frame, int frames, std::uint64_t seed, int blobCount) {
  const double size = v.width();
  const double c = size / 2.0;
  Rng rng(seed);
  std::vector<Blob> blobs;
  for (int i = 0; i < blobCount; ++i) {
    const double a = rng.range(0, 6.2832);
    const double dist = i == 0 ? 0.0 : rng.range(0.08, 0.24) * size;
    blobs.push_back({c + std::cos(a) * dist, c + std::sin(a) * dist, rng.range(0.16, 0.27) * size, rng.range(0, 0.25)});
  }
  std::vector<Spark> sparks;
  for (int i = 0; i < blobCount * 2; ++i) sparks.push_back({rng.range(0, 6.2832), rng.range(0.25, 0.48)});

  const double t = (frame - 1) / static_cast<double>(frames - 1);  // 0..1
  Rng grainRng(seed ^ 0xA5A5u);
  std::vector<double> grain(static_cast<std::size_t>(v.width() * v.height()));
  for (double& g : grain) g = grainRng.uniform();

  for (int y = 0; y < v.height(); ++y) {
    for (int x = 0; x < v.width(); ++x) {
      double heat = 0.0;
      double cover = 0.0;
      for (const Blob& b : blobs) {
        const double local = std::clamp((t - b.delay) / (1.0 - b.delay), 0.0, 1.0);
        const double grow = 0.45 + 0.75 * std::sqrt(local);
        const double d = std::hypot(x + 0.5 - b.x, y + 0.5 - b.y) / (b.r * grow);
        if (d >= 1.0) continue;
        cover = std::max(cover, 1.0 - d);
        heat = std::max(heat, (1.0 - d) * (1.15 - local));
      }
      if (cover <= 0.0) continue;
      const double g = grain[static_cast<std::size_t>(y * v.width() + x)];
      // Late frames: the smoke thins out into holes.
      if (t > 0.55 && g < (t - 0.55) * 1.6 * (1.0 - cover)) continue;
      if (t > 0.55 && g < (t - 0.55) * 0.9) continue;
      const double h = heat + (g - 0.5) * 0.18;
      char key;
      if (h > 0.8) {
        key = 'w';
      } else if (h > 0.62) {
        key = 'Y';
      } else if (h > 0.46) {
        key = 'y';
      } else if (h > 0.32) {
        key = 'O';
      } else if (h > 0.2) {
        key = 'e';
      } else if (h > 0.1) {
        key = 'R';
      } else if (h > 0.03) {
        key = t > 0.5 ? '3' : 'r';
      } else {
        key = t > 0.7 ? '4' : '2';
      }
      v.set(x, y, paletteColour(key));
    }
  }
  // Sparks and debris flying out.
  if (frame >= 2 && t < 0.9) {
    for (const Spark& s : sparks) {
      const double r = (0.12 + s.speed * t) * size;
      const int sx = static_cast<int>(std::lround(c + std::cos(s.angle) * r));
      const int sy = static_cast<int>(std::lround(c + std::sin(s.angle) * r));
      v.set(sx, sy, paletteColour(t < 0.4 ? 'Y' : 'O'));
      if (size > 40) v.set(sx + 1, sy, paletteColour(t < 0.4 ? 'y' : 'e'));
    }
  }
}

}  // namespace

void paintExplosion(int code, int frame, View& v) {
  if (code == 70) paintBlast(v, frame, 6, 0x70u, 4);
  if (code == 71) paintBlast(v, frame, 7, 0x71u, 7);
}

}  // namespace assets
