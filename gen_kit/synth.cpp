#include "gen_kit/synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "gen_kit/split_mix.h"

namespace gen_kit {

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

int sampleCount(double seconds, int sampleRate) { return static_cast<int>(std::lround(seconds * sampleRate)); }

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

StateVariableFilter::Out StateVariableFilter::step(double input, double cutoffHz, double resonance, int sampleRate) {
  const double f = 2.0 * std::sin(std::numbers::pi * std::clamp(cutoffHz, 10.0, sampleRate / 6.0) / sampleRate);
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

Samples reverb(const Samples& dry, double roomSize, double damping, int sampleRate) {
  constexpr auto kCombs = std::to_array<int>({1557, 1617, 1491, 1422});
  constexpr auto kAllPasses = std::to_array<int>({225, 556});
  static_assert(kCombs.size() == 4 && kAllPasses.size() == 2);
  const std::size_t tail = static_cast<std::size_t>(sampleRate) * 2;
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

double peakOf(std::span<const double> samples) {
  double peak = 0.0;
  for (const double s : samples) peak = std::max(peak, std::abs(s));
  return peak;
}

double peakOf(std::span<const float> samples) {
  double peak = 0.0;
  for (const float s : samples) peak = std::max(peak, static_cast<double>(std::abs(s)));
  return peak;
}

void normalisePeak(Samples& samples, double peak) {
  const double loudest = peakOf(samples);
  if (loudest <= 0.0) return;
  for (double& s : samples) s *= peak / loudest;
}

void normalisePeak(Stereo& sound, double peak) {
  const double loudest = std::max(peakOf(sound.left), peakOf(sound.right));
  if (loudest <= 0.0) return;
  for (double& s : sound.left) s *= peak / loudest;
  for (double& s : sound.right) s *= peak / loudest;
}

std::vector<float> whiteNoise(std::size_t length, std::uint64_t seed) {
  SplitMix64 rng(seed);
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

void normaliseLoudness(std::vector<float>& s, int sampleRate, double targetDb, double ceilingDb) {
  const double rms = loudestWindowRms(s, sampleRate);
  const double peak = peakOf(std::span<const float>(s));
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

namespace {

template <typename Sample>
std::vector<std::int16_t> pcm16(std::span<const Sample> samples) {
  std::vector<std::int16_t> pcm(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    pcm[i] = static_cast<std::int16_t>(std::lround(std::clamp(static_cast<double>(samples[i]), -1.0, 1.0) * 32767.0));
  }
  return pcm;
}

}  // namespace

std::vector<std::int16_t> toPcm16(std::span<const double> samples) { return pcm16(samples); }
std::vector<std::int16_t> toPcm16(std::span<const float> samples) { return pcm16(samples); }

}  // namespace gen_kit
