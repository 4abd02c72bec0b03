// Explosions: the small one (70, 32x32, six frames) and the large one (71,
// 64x64, seven frames). A cluster of fireballs swells from a white flash
// through yellow and orange to red, then breaks up into grey smoke while
// sparks fly outwards. Drawn from a fixed seed, so every run is identical.
#include <algorithm>
#include <cmath>
#include <vector>

#include "art.h"
#include "gen_kit/draw.h"
#include "gen_kit/random.h"

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
  gen_kit::SplitMix64 rng(seed);
  std::vector<Blob> blobs;
  for (int i = 0; i < blobCount; ++i) {
    const double a = rng.between(0, 6.2832);
    const double dist = i == 0 ? 0.0 : rng.between(0.08, 0.24) * size;
    blobs.push_back({c + std::cos(a) * dist, c + std::sin(a) * dist, rng.between(0.16, 0.27) * size, rng.between(0, 0.25)});
  }
  std::vector<Spark> sparks;
  for (int i = 0; i < blobCount * 2; ++i) sparks.push_back({rng.between(0, 6.2832), rng.between(0.25, 0.48)});

  const double t = (frame - 1) / static_cast<double>(frames - 1);  // 0..1
  // Smooth value noise (random values on a coarse lattice, blended), so the
  // smoke breaks into clumps rather than single pixels.
  const int cell = v.width() > 40 ? 5 : 3;
  const int lattice = v.width() / cell + 2;
  gen_kit::SplitMix64 grainRng(seed ^ 0xA5A5u);
  std::vector<double> knots(static_cast<std::size_t>(lattice * lattice));
  for (double& k : knots) k = grainRng.unit();
  auto knot = [&](int i, int j) { return knots[static_cast<std::size_t>(j * lattice + i)]; };
  auto smoothNoise = [&](int x, int y) {
    const double fx = (x + 0.5) / cell;
    const double fy = (y + 0.5) / cell;
    const int i = static_cast<int>(fx);
    const int j = static_cast<int>(fy);
    const double ax = fx - i;
    const double ay = fy - j;
    const double top = knot(i, j) * (1 - ax) + knot(i + 1, j) * ax;
    const double bottom = knot(i, j + 1) * (1 - ax) + knot(i + 1, j + 1) * ax;
    return top * (1 - ay) + bottom * ay;
  };

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
      const double g = smoothNoise(x, y);
      // Late frames: the smoke thins out into drifting clumps.
      if (t > 0.45 && g < (t - 0.45) * 0.85 + (1.0 - cover) * 0.3 * t) continue;
      const double h = heat * (1.0 - 0.3 * t) + (g - 0.5) * 0.3;
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
        key = t > 0.6 ? '2' : 'R';
      } else if (h > 0.03) {
        key = t > 0.4 ? '3' : 'r';
      } else {
        key = t > 0.6 ? '4' : '2';
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
