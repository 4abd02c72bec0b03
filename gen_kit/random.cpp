#include "gen_kit/random.h"

#include <cmath>

namespace gen_kit {

double latticeValue(std::int64_t x, std::int64_t y, std::uint64_t seed) {
  SplitMix64 r(seed ^ (static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ull) ^
           (static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Full));
  return r.unit();
}

namespace {

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

std::int64_t wrap(std::int64_t v, std::int64_t period) {
  const std::int64_t m = v % period;
  return m < 0 ? m + period : m;
}

}  // namespace

double periodicNoise(double x, double y, int cell, int periodX, int periodY, std::uint64_t seed) {
  const std::int64_t cellsX = periodX / cell;
  const std::int64_t cellsY = periodY / cell;
  const double gx = x / cell;
  const double gy = y / cell;
  const auto x0 = static_cast<std::int64_t>(std::floor(gx));
  const auto y0 = static_cast<std::int64_t>(std::floor(gy));
  const double fx = smooth(gx - static_cast<double>(x0));
  const double fy = smooth(gy - static_cast<double>(y0));
  const auto at = [&](std::int64_t cx, std::int64_t cy) {
    return latticeValue(wrap(cx, cellsX), wrap(cy, cellsY), seed);
  };
  const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
  const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
  return top + (bottom - top) * fy;
}

double periodicFractal(double x, double y, int cell, int octaves, int periodX, int periodY, std::uint64_t seed) {
  double sum = 0.0;
  double weight = 0.5;
  double total = 0.0;
  for (int i = 0; i < octaves && cell >= 1; ++i) {
    sum += weight * periodicNoise(x, y, cell, periodX, periodY, seed + static_cast<std::uint64_t>(i) * 7919u);
    total += weight;
    weight *= 0.5;
    cell /= 2;
  }
  return total > 0.0 ? sum / total : 0.0;
}

}  // namespace gen_kit
