#include "sample_names.h"
#include "samples.h"

#include <cmath>
#include <numbers>

#include "gen_kit/synth.h"
#include "gen_kit/random.h"

namespace assets {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kRate = kSampleRate;

double seconds(std::size_t i) { return static_cast<double>(i) / kRate; }

}  // namespace

// One second of a radial engine and its propeller. Every partial has a whole
// number of cycles per second and the noise is filtered round the loop, so
// the last sample leads into the first as smoothly as any two neighbours.
Sound engineLoop() {
  constexpr std::size_t kLength = kSampleRate;  // one second
  constexpr int kFiring = 54;                   // Hz, the cylinders' beat
  constexpr int kBlade = 18;                    // Hz, the propeller's throb
  constexpr int kWobble = 3;                    // Hz, a slow waver in the pitch
  Sound s;
  s.samples.assign(kLength, 0.0f);
  gen_kit::SplitMix64 rng(0xE9);
  double phases[40];
  for (double& p : phases) p = rng.between(0, kTwoPi);
  for (std::size_t i = 0; i < kLength; ++i) {
    const double cycle = static_cast<double>(i) / kLength;  // 0..1 round the loop
    const double wobble = 0.012 * std::sin(kTwoPi * kWobble * cycle);
    double v = 0;
    for (int k = 1; k <= 40; ++k) {
      const double amp = std::pow(k, -1.15) * (k % 2 == 0 ? 0.75 : 1.0);
      v += amp * std::sin(kTwoPi * kFiring * k * cycle + k * wobble * kTwoPi + phases[k - 1]);
    }
    const double throb = 1.0 + 0.3 * std::sin(kTwoPi * kBlade * cycle);
    s.samples[i] = static_cast<float>(v * throb);
  }
  // Exhaust rumble: noise low-passed twice round the loop so the filter has
  // settled by the second pass, whose output wraps without a step.
  const std::vector<float> noise = gen_kit::whiteNoise(kLength, 0xE1);
  gen_kit::Biquad lp(gen_kit::Biquad::Kind::LowPass);
  std::vector<float> rumble(kLength);
  for (int pass = 0; pass < 3; ++pass) {
    for (std::size_t i = 0; i < kLength; ++i) rumble[i] = lp.process(noise[i], 420.0, 0.8, kSampleRate);
  }
  for (std::size_t i = 0; i < kLength; ++i) {
    const double cycle = static_cast<double>(i) / kLength;
    const double throb = 1.0 + 0.45 * std::sin(kTwoPi * kBlade * cycle + 1.0);
    s.samples[i] += static_cast<float>(rumble[i] * 2.2 * throb);
  }
  gen_kit::normaliseLoudness(s.samples, kSampleRate, kEngineLoudnessDb, kPeakCeilingDb);
  return s;
}

// A cannon burst: a crack of band-passed noise falling in pitch over a short
// low thump.
Sound shotSound() {
  constexpr std::size_t kLength = kSampleRate * 16 / 100;
  Sound s;
  s.samples.resize(kLength);
  const std::vector<float> noise = gen_kit::whiteNoise(kLength, 0x5407);
  gen_kit::Biquad bp(gen_kit::Biquad::Kind::BandPass);
  double phase = 0;
  for (std::size_t i = 0; i < kLength; ++i) {
    const double t = seconds(i);
    const double crack = bp.process(noise[i], gen_kit::glide(t, 3200, 700, 0.04), 1.4, kSampleRate) *
                         gen_kit::decayEnvelope(t, 0.001, 0.028) * 2.5;
    phase += kTwoPi * gen_kit::glide(t, 220, 70, 0.03) / kRate;
    const double thump = std::sin(phase) * gen_kit::decayEnvelope(t, 0.002, 0.04);
    s.samples[i] = static_cast<float>(std::tanh(1.6 * (crack + 0.8 * thump)));
  }
  gen_kit::fadeEdges(s.samples, kSampleRate, 0.0005, 0.02);
  gen_kit::normaliseLoudness(s.samples, kSampleRate, kEffectLoudnessDb - 1.0, kPeakCeilingDb);
  return s;
}

namespace {

// Noise through a low-pass filter that closes from `openHz` to `closedHz`,
// under a decaying envelope, plus a sine boom gliding down, plus crackle.
struct BlastRecipe {
  double length;
  double openHz, closedHz, closeTau;
  double noiseTau;
  double boomFrom, boomTo, boomTau, boomLevel;
  double crackleRate;  // crackles per second at the start
  std::uint64_t seed;
};

std::vector<float> blast(const BlastRecipe& r, double delay, double level) {
  const auto length = static_cast<std::size_t>(r.length * kRate);
  std::vector<float> out(length, 0.0f);
  const std::vector<float> noise = gen_kit::whiteNoise(length, r.seed);
  gen_kit::Biquad lp1(gen_kit::Biquad::Kind::LowPass);
  gen_kit::Biquad lp2(gen_kit::Biquad::Kind::LowPass);
  gen_kit::SplitMix64 crackle(r.seed ^ 0xC4AC);
  double phase = 0;
  double crackEnv = 0;
  for (std::size_t i = 0; i < length; ++i) {
    const double t = seconds(i) - delay;
    if (t < 0) continue;
    const double cutoff = gen_kit::glide(t, r.openHz, r.closedHz, r.closeTau);
    const double body = lp2.process(lp1.process(noise[i], cutoff, 0.7, kSampleRate), cutoff, 0.7, kSampleRate);
    phase += kTwoPi * gen_kit::glide(t, r.boomFrom, r.boomTo, r.boomTau) / kRate;
    const double boom = std::sin(phase) * gen_kit::decayEnvelope(t, 0.004, r.boomTau) * r.boomLevel;
    // Crackle: short bursts of raw noise, thinning out as the blast dies.
    if (crackle.unit() < r.crackleRate / kRate * std::exp(-t / (r.noiseTau * 1.5))) crackEnv = 1.0;
    crackEnv *= 0.985;
    const double crack = noise[(i * 7) % length] * crackEnv * 0.35;
    const double v = body * gen_kit::decayEnvelope(t, 0.003, r.noiseTau) * 3.0 + boom + crack;
    out[i] = static_cast<float>(level * v);
  }
  return out;
}

void mixInto(std::vector<float>& dst, const std::vector<float>& src) {
  for (std::size_t i = 0; i < dst.size() && i < src.size(); ++i) dst[i] += src[i];
}

void saturate(std::vector<float>& s, double drive) {
  for (float& v : s) v = static_cast<float>(std::tanh(drive * v) / std::tanh(drive));
}

}  // namespace

Sound smallExplosion() {
  const BlastRecipe r{0.75, 5000, 250, 0.12, 0.16, 110, 40, 0.12, 0.9, 120, 0xB003};
  Sound s;
  s.samples = blast(r, 0.0, 1.0);
  saturate(s.samples, 1.5);
  gen_kit::fadeEdges(s.samples, kSampleRate, 0.0005, 0.08);
  gen_kit::normaliseLoudness(s.samples, kSampleRate, kEffectLoudnessDb, kPeakCeilingDb);
  return s;
}

// The big one: a deep boom and a long rumble, with two after-blasts as the
// wreck breaks up.
Sound bigExplosion() {
  const BlastRecipe main{2.0, 4000, 140, 0.25, 0.45, 70, 26, 0.35, 1.4, 90, 0xB004};
  const BlastRecipe after{2.0, 3000, 200, 0.1, 0.18, 95, 40, 0.12, 0.6, 60, 0xB005};
  Sound s;
  s.samples = blast(main, 0.0, 1.0);
  mixInto(s.samples, blast(after, 0.28, 0.55));
  mixInto(s.samples, blast(after, 0.62, 0.35));
  saturate(s.samples, 2.0);
  gen_kit::fadeEdges(s.samples, kSampleRate, 0.0005, 0.3);
  gen_kit::normaliseLoudness(s.samples, kSampleRate, kEffectLoudnessDb + 1.0, kPeakCeilingDb);
  return s;
}

// A rising major arpeggio of bell tones (A, C sharp, E, A), the last ringing
// on with a little vibrato.
Sound pickupChime() {
  constexpr double kNotes[] = {880.0, 1108.73, 1318.51, 1760.0};
  constexpr double kStep = 0.065;
  constexpr std::size_t kLength = kSampleRate * 65 / 100;
  Sound s;
  s.samples.assign(kLength, 0.0f);
  for (int n = 0; n < 4; ++n) {
    const double start = n * kStep;
    const double tau = n == 3 ? 0.22 : 0.09;
    double phase = 0;
    for (std::size_t i = static_cast<std::size_t>(start * kRate); i < kLength; ++i) {
      const double t = seconds(i) - start;
      const double vibrato = n == 3 ? 1.0 + 0.006 * std::sin(kTwoPi * 6.0 * t) : 1.0;
      phase += kTwoPi * kNotes[n] * vibrato / kRate;
      const double tone = std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase + 0.5);
      s.samples[i] += static_cast<float>(tone * gen_kit::decayEnvelope(t, 0.003, tau) * 0.5);
    }
  }
  gen_kit::fadeEdges(s.samples, kSampleRate, 0.0005, 0.05);
  gen_kit::normaliseLoudness(s.samples, kSampleRate, kEffectLoudnessDb - 1.0, kPeakCeilingDb);
  return s;
}

std::vector<NamedSample> gameSamples() {
  return {
      {kSampleFileNames[0], engineLoop(), true},
      {kSampleFileNames[1], shotSound(), false},
      {kSampleFileNames[2], bigExplosion(), false},
      {kSampleFileNames[3], smallExplosion(), false},
      {kSampleFileNames[4], pickupChime(), false},
  };
}

}  // namespace assets
