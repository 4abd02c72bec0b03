#include "demos/generator/synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace demo_gen {

namespace {

constexpr double kTau = 2.0 * std::numbers::pi;

// The polyBLEP correction that rounds off a step of the waveform.
double blep(double t, double dt) {
  if (t < dt) {
    const double x = t / dt;
    return x + x - x * x - 1.0;
  }
  if (t > 1.0 - dt) {
    const double x = (t - 1.0) / dt;
    return x * x + x + x + 1.0;
  }
  return 0.0;
}

double fraction(double phase) { return phase - std::floor(phase); }

}  // namespace

double noteFrequency(double midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0); }

int sampleCount(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

double sawWave(double phase, double phaseStep) {
  const double t = fraction(phase);
  return 2.0 * t - 1.0 - blep(t, phaseStep);
}

double squareWave(double phase, double phaseStep) {
  const double t = fraction(phase);
  double v = t < 0.5 ? 1.0 : -1.0;
  v += blep(t, phaseStep);
  v -= blep(fraction(t + 0.5), phaseStep);
  return v;
}

double sineWave(double phase) { return std::sin(kTau * phase); }

double adsr(double t, double hold, double attack, double decay, double sustain, double release) {
  if (t < 0.0) return 0.0;
  auto held = [&](double at) {
    if (at < attack) return at / attack;
    if (at < attack + decay) return 1.0 - (1.0 - sustain) * (at - attack) / decay;
    return sustain;
  };
  if (t < hold) return held(t);
  const double fromRelease = t - hold;
  if (fromRelease >= release) return 0.0;
  return held(hold) * (1.0 - fromRelease / release);
}

double Noise::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 7;
  state_ ^= state_ << 17;
  return static_cast<double>(state_ >> 11) / 4503599627370496.0 - 1.0;
}

Filter::Out Filter::step(double input, double cutoffHz, double resonance) {
  const double f = 2.0 * std::sin(std::numbers::pi * std::clamp(cutoffHz, 10.0, kSampleRate / 6.0) / kSampleRate);
  const double q = 1.0 / std::max(0.5, resonance);
  // Two passes per sample keep the filter stable up to a sixth of the rate.
  Out out{};
  for (int pass = 0; pass < 2; ++pass) {
    low_ += f * band_;
    const double high = input - low_ - q * band_;
    band_ += f * high;
    out = {low_, band_, high};
  }
  return out;
}

void mixInto(Samples& target, const Samples& source, std::size_t at, double gain) {
  if (target.size() < at + source.size()) target.resize(at + source.size(), 0.0);
  for (std::size_t i = 0; i < source.size(); ++i) target[at + i] += gain * source[i];
}

Samples reverb(const Samples& dry, double roomSize, double damping) {
  constexpr auto kCombs = std::to_array<int>({1557, 1617, 1491, 1422});
  constexpr auto kAllPasses = std::to_array<int>({225, 556});
  static_assert(kCombs.size() == 4 && kAllPasses.size() == 2);
  const std::size_t tail = static_cast<std::size_t>(kSampleRate) * 2;
  Samples wet(dry.size() + tail, 0.0);
  for (const int length : kCombs) {
    std::vector<double> buffer(static_cast<std::size_t>(length), 0.0);
    double store = 0.0;
    std::size_t i = 0;
    for (std::size_t n = 0; n < wet.size(); ++n) {
      const double input = n < dry.size() ? dry[n] : 0.0;
      const double out = buffer[i];
      store = out * (1.0 - damping) + store * damping;
      buffer[i] = input + store * roomSize;
      i = (i + 1) % buffer.size();
      wet[n] += out * 0.25;
    }
  }
  for (const int length : kAllPasses) {
    std::vector<double> buffer(static_cast<std::size_t>(length), 0.0);
    std::size_t i = 0;
    for (double& sample : wet) {
      const double delayed = buffer[i];
      const double out = -sample + delayed;
      buffer[i] = sample + delayed * 0.5;
      i = (i + 1) % buffer.size();
      sample = out;
    }
  }
  return wet;
}

double peakOf(const Samples& samples) {
  double peak = 0.0;
  for (const double s : samples) peak = std::max(peak, std::abs(s));
  return peak;
}

void normalise(Samples& samples, double peak) {
  const double loudest = peakOf(samples);
  if (loudest <= 0.0) return;
  for (double& s : samples) s *= peak / loudest;
}

void normalise(Stereo& sound, double peak) {
  const double loudest = std::max(peakOf(sound.left), peakOf(sound.right));
  if (loudest <= 0.0) return;
  for (double& s : sound.left) s *= peak / loudest;
  for (double& s : sound.right) s *= peak / loudest;
}

}  // namespace demo_gen
