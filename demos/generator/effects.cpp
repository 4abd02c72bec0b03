#include "demos/generator/effects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace demo_gen {

namespace {

constexpr double kTau = 2.0 * std::numbers::pi;

struct Partial {
  double ratio;      // to the fundamental
  double level;
  double decay;      // seconds to fall by e
  double swell;      // seconds for the partial to bloom (0: at once)
};

// A marimba bar: the fundamental, its tuned fourth partial and a faint
// tenth, the higher ones dying sooner.
constexpr auto kBar = std::to_array<Partial>({
    {1.0, 1.0, 0.16, 0.0},
    {3.93, 0.42, 0.06, 0.0},
    {9.2, 0.12, 0.02, 0.0},
});
static_assert(kBar.size() == 3);

// A gong: inharmonic partials; the upper ones bloom after the strike.
constexpr auto kGong = std::to_array<Partial>({
    {1.0, 1.0, 1.8, 0.0},
    {1.004, 0.6, 1.6, 0.0},
    {1.52, 0.7, 1.3, 0.05},
    {2.0, 0.5, 1.1, 0.1},
    {2.44, 0.45, 0.9, 0.2},
    {2.98, 0.35, 0.8, 0.3},
    {3.56, 0.3, 0.7, 0.35},
    {4.13, 0.22, 0.6, 0.4},
    {4.87, 0.16, 0.5, 0.45},
    {5.62, 0.12, 0.4, 0.5},
});
static_assert(kGong.size() == 10);

template <std::size_t N>
Samples partials(const std::array<Partial, N>& table, double fundamental, double seconds) {
  Samples out(static_cast<std::size_t>(gen_kit::sampleCount(seconds, kSampleRate)), 0.0);
  for (const Partial& p : table) {
    const double frequency = fundamental * p.ratio;
    if (frequency > kSampleRate / 2.2) continue;
    for (std::size_t i = 0; i < out.size(); ++i) {
      const double t = static_cast<double>(i) / kSampleRate;
      const double bloom = p.swell > 0.0 ? 1.0 - std::exp(-t / p.swell) : 1.0;
      out[i] += p.level * bloom * std::exp(-t / p.decay) * std::sin(kTau * frequency * t);
    }
  }
  return out;
}

}  // namespace

Samples bounceNote(int midiNote) {
  const double seconds = 0.42;
  Samples out = partials(kBar, gen_kit::noteFrequency(midiNote), seconds);
  // The mallet: a few milliseconds of filtered noise.
  gen_kit::Noise noise(static_cast<std::uint64_t>(midiNote) * 977u);
  gen_kit::StateVariableFilter filter;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double click = filter.step(noise.next(), 2500.0, 1.0, kSampleRate).band * std::exp(-t / 0.004);
    // A 2 ms fade in keeps the start free of a click of its own.
    out[i] = (out[i] + 0.5 * click) * std::min(1.0, t / 0.002);
  }
  gen_kit::normalisePeak(out, 0.85);
  return out;
}

Samples gong() {
  const double seconds = 4.2;
  Samples out = partials(kGong, 98.0, seconds);
  gen_kit::Noise noise(4242);
  gen_kit::StateVariableFilter filter;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double strike = filter.step(noise.next(), 600.0, 0.8, kSampleRate).low * std::exp(-t / 0.03);
    const double fadeOut = std::min(1.0, (seconds - t) / 0.5);
    out[i] = (out[i] + 1.5 * strike) * std::min(1.0, t / 0.003) * fadeOut;
  }
  const Samples wet = gen_kit::reverb(out, 0.8, 0.3, kSampleRate);
  for (std::size_t i = 0; i < out.size(); ++i) out[i] += 0.25 * wet[i];
  gen_kit::normalisePeak(out, 0.85);
  return out;
}

Samples missileLaunch() {
  const double seconds = 1.4;
  Samples out(static_cast<std::size_t>(gen_kit::sampleCount(seconds, kSampleRate)), 0.0);
  gen_kit::Noise noise(1977);
  gen_kit::StateVariableFilter crack;
  gen_kit::StateVariableFilter rumble;
  gen_kit::StateVariableFilter whoosh;
  double thumpPhase = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double n = noise.next();
    const double ignition = crack.step(n, 3200.0, 1.2, kSampleRate).band * std::exp(-t / 0.03);
    const double roar = rumble.step(n, 420.0, 0.9, kSampleRate).low * (1.0 - std::exp(-t / 0.02)) * std::exp(-t / 0.55);
    const double sweep = 3400.0 * std::exp(-t / 0.45) + 500.0;
    const double hiss = whoosh.step(n, sweep, 2.0, kSampleRate).band * std::min(1.0, t / 0.05) * std::exp(-t / 0.38);
    thumpPhase += (70.0 * std::exp(-t / 0.08) + 40.0) / kSampleRate;
    const double thump = std::sin(kTau * thumpPhase) * std::exp(-t / 0.09);
    const double fadeOut = std::min(1.0, (seconds - t) / 0.2);
    out[i] = (1.2 * ignition + 1.6 * roar + 0.9 * hiss + 0.7 * thump) * std::min(1.0, t / 0.002) * fadeOut;
  }
  gen_kit::normalisePeak(out, 0.85);
  return out;
}

Stereo flyby() {
  const double seconds = 2.6;
  const double closest = 1.15;  // the moment the jet is overhead
  const std::size_t count = static_cast<std::size_t>(gen_kit::sampleCount(seconds, kSampleRate));
  Stereo out{Samples(count, 0.0), Samples(count, 0.0)};
  gen_kit::Noise noise(2024);
  gen_kit::StateVariableFilter roar;
  gen_kit::StateVariableFilter body;
  double whinePhase = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double fromClosest = (t - closest) / 0.55;
    const double loudness = 1.0 / (1.0 + fromClosest * fromClosest);
    // Doppler: the pitch falls as the jet passes.
    const double doppler = 1.0 - 0.18 * std::tanh(fromClosest * 1.6);
    const double n = noise.next();
    const double cutoff = 900.0 * doppler * (0.6 + 0.8 * loudness);
    const double jet = roar.step(n, cutoff, 0.7, kSampleRate).low + 0.35 * body.step(n, 2400.0 * doppler, 3.0, kSampleRate).band;
    whinePhase += 1650.0 * doppler / kSampleRate;
    const double whine = 0.08 * std::sin(kTau * whinePhase) * loudness;
    const double pan = 0.5 + 0.45 * std::tanh(fromClosest);  // 0 left .. 1 right
    const double fade = std::min({1.0, t / 0.05, (seconds - t) / 0.3});
    const double v = (jet * loudness + whine) * fade;
    out.left[i] = v * std::sqrt(1.0 - pan);
    out.right[i] = v * std::sqrt(pan);
  }
  gen_kit::normalisePeak(out, 0.85);
  return out;
}

}  // namespace demo_gen
