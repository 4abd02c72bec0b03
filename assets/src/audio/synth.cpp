#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/rng.h"

namespace assets {

std::vector<float> whiteNoise(std::size_t length, std::uint64_t seed) {
  Rng rng(seed);
  std::vector<float> out(length);
  for (float& s : out) s = static_cast<float>(rng.between(-1.0, 1.0));
  return out;
}

float Biquad::process(float in, double cutoffHz, double q, int sampleRate) {
  const double w0 = 2.0 * std::numbers::pi * std::clamp(cutoffHz, 10.0, sampleRate * 0.45) / sampleRate;
  const double alpha = std::sin(w0) / (2.0 * q);
  const double cosw = std::cos(w0);
  double b0 = 0, b1 = 0, b2 = 0;
  switch (kind_) {
    case Kind::LowPass:
      b0 = (1 - cosw) / 2;
      b1 = 1 - cosw;
      b2 = (1 - cosw) / 2;
      break;
    case Kind::HighPass:
      b0 = (1 + cosw) / 2;
      b1 = -(1 + cosw);
      b2 = (1 + cosw) / 2;
      break;
    case Kind::BandPass:
      b0 = alpha;
      b1 = 0;
      b2 = -alpha;
      break;
  }
  const double a0 = 1 + alpha;
  const double a1 = -2 * cosw;
  const double a2 = 1 - alpha;
  const double y = (b0 * in + b1 * x1_ + b2 * x2_ - a1 * y1_ - a2 * y2_) / a0;
  x2_ = x1_;
  x1_ = in;
  y2_ = y1_;
  y1_ = y;
  return static_cast<float>(y);
}

double decayEnvelope(double t, double attack, double tau) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / tau);
}

double glide(double t, double from, double to, double tau) { return to + (from - to) * std::exp(-t / tau); }

double peakLevel(const std::vector<float>& s) {
  double peak = 0;
  for (float v : s) peak = std::max(peak, static_cast<double>(std::abs(v)));
  return peak;
}

double loudestWindowRms(const std::vector<float>& s, int sampleRate, double windowSeconds) {
  const auto window = std::max<std::size_t>(1, static_cast<std::size_t>(sampleRate * windowSeconds));
  if (s.empty()) return 0;
  const std::size_t n = std::min(window, s.size());
  double sum = 0;
  for (std::size_t i = 0; i < n; ++i) sum += static_cast<double>(s[i]) * s[i];
  double best = sum;
  for (std::size_t i = n; i < s.size(); ++i) {
    sum += static_cast<double>(s[i]) * s[i] - static_cast<double>(s[i - n]) * s[i - n];
    best = std::max(best, sum);
  }
  return std::sqrt(std::max(best, 0.0) / static_cast<double>(n));
}

double toDecibels(double level) { return level <= 0 ? -200.0 : 20.0 * std::log10(level); }

void normalise(std::vector<float>& s, int sampleRate, double targetDb, double ceilingDb) {
  const double rms = loudestWindowRms(s, sampleRate);
  const double peak = peakLevel(s);
  if (rms <= 0 || peak <= 0) return;
  double gain = std::pow(10.0, targetDb / 20.0) / rms;
  gain = std::min(gain, std::pow(10.0, ceilingDb / 20.0) / peak);
  for (float& v : s) v = static_cast<float>(v * gain);
}

void fadeEdges(std::vector<float>& s, int sampleRate, double inSeconds, double outSeconds) {
  const auto in = std::min(s.size(), static_cast<std::size_t>(inSeconds * sampleRate));
  const auto out = std::min(s.size(), static_cast<std::size_t>(outSeconds * sampleRate));
  for (std::size_t i = 0; i < in; ++i) s[i] = static_cast<float>(s[i] * (static_cast<double>(i) / static_cast<double>(in)));
  for (std::size_t i = 0; i < out; ++i) {
    s[s.size() - 1 - i] = static_cast<float>(s[s.size() - 1 - i] * (static_cast<double>(i) / static_cast<double>(out)));
  }
}

}  // namespace assets
