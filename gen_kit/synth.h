// The synthesiser's pieces, for both generators' sounds: oscillators,
// envelopes, noise sources, filters whose cutoff may move every sample, a
// small reverb, mixing, the loudness measures that balance sounds against
// each other, and the conversion to 16-bit samples. Everything that depends
// on the sample rate takes it, since the game's samples and the demo
// programs' sounds are made at different rates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace gen_kit {

using Samples = std::vector<double>;  // one channel, -1..1

struct Stereo {
  Samples left;
  Samples right;
};

// ---- Oscillators ----------------------------------------------------------
// Equal temperament, A4 (note 69) = 440 Hz.
double noteFrequency(double midiNote);

int sampleCount(double seconds, int sampleRate);

// Band-limited sawtooth and square (polyBLEP) and a sine, driven by a phase
// in cycles that the caller advances by frequency / sample rate.
double sawWave(double phase, double phaseStep);
double squareWave(double phase, double phaseStep);
double sineWave(double phase);

// ---- Envelopes ------------------------------------------------------------
// Attack-decay-sustain-release level at time t of a note held `hold` seconds.
double adsr(double t, double hold, double attack, double decay, double sustain, double release);
// Exponential decay with time constant `tau` seconds after a linear attack
// of `attack` seconds.
double decayEnvelope(double t, double attack, double tau);
// A value gliding exponentially from `from` to `to` with time constant tau.
double glide(double t, double from, double to, double tau);

// ---- Noise ----------------------------------------------------------------
// White noise in -1..1 from its own small generator (xorshift), a sample at a
// time.
class Noise {
 public:
  explicit Noise(std::uint64_t seed) : state_(seed | 1u) {}
  double next();

 private:
  std::uint64_t state_;
};

// A run of white noise in -1..1 from SplitMix64 with a fixed seed.
std::vector<float> whiteNoise(std::size_t length, std::uint64_t seed);

// ---- Filters --------------------------------------------------------------
// Second-order (RBJ) filter with a cutoff and Q that may change each sample.
class Biquad {
 public:
  enum class Kind { LowPass, BandPass, HighPass };
  explicit Biquad(Kind kind) : kind_(kind) {}
  float process(float in, double cutoffHz, double q, int sampleRate);

 private:
  Kind kind_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A state-variable filter (Chamberlin): low-pass, band-pass and high-pass
// outputs of one step at a cutoff that may change every sample.
class StateVariableFilter {
 public:
  struct Out {
    double low;
    double band;
    double high;
  };
  Out step(double input, double cutoffHz, double resonance, int sampleRate);

 private:
  double low_ = 0.0;
  double band_ = 0.0;
};

// ---- Mixing and reverb ----------------------------------------------------
// Adds `source` into `target` from sample `at`, scaled by `gain`; the target
// grows when needed.
void mixInto(Samples& target, const Samples& source, std::size_t at, double gain);

// A Schroeder reverb: parallel combs and series all-passes; returns the wet
// signal only, two seconds longer than the dry one.
Samples reverb(const Samples& dry, double roomSize, double damping, int sampleRate);

// ---- Levels ---------------------------------------------------------------
// Peak absolute value.
double peakOf(std::span<const double> samples);
double peakOf(std::span<const float> samples);
// The root-mean-square of the loudest window of `windowSeconds` (a stand-in
// for how loud the sound seems).
double loudestWindowRms(const std::vector<float>& s, int sampleRate, double windowSeconds = 0.1);
double toDecibels(double level);

// Scales so that the loudest sample is at `peak` (for example 0.89, -1 dBFS).
void normalisePeak(Samples& samples, double peak);
void normalisePeak(Stereo& sound, double peak);
// Scales a sound so that its loudest window reaches `targetDb` (dBFS), but
// its peak never passes `ceilingDb`.
void normaliseLoudness(std::vector<float>& s, int sampleRate, double targetDb, double ceilingDb);
// Short linear fades so a one-shot starts and ends at silence.
void fadeEdges(std::vector<float>& s, int sampleRate, double inSeconds, double outSeconds);

// ---- 16-bit samples -------------------------------------------------------
// Each sample clamped to -1..1 and rounded to the nearest of +-32767.
std::vector<std::int16_t> toPcm16(std::span<const double> samples);
std::vector<std::int16_t> toPcm16(std::span<const float> samples);

}  // namespace gen_kit
