// Building blocks for the generated sounds: oscillators, envelopes,
// filters, a noise source and a small reverb, all at 44.1 kHz.
#pragma once

#include <cstdint>
#include <vector>

namespace demo_gen {

inline constexpr int kSampleRate = 44100;

using Samples = std::vector<double>;  // one channel, -1..1

struct Stereo {
  Samples left;
  Samples right;
};

// Equal temperament, A4 (note 69) = 440 Hz.
double noteFrequency(double midiNote);

int sampleCount(double seconds);

// Band-limited sawtooth and square (polyBLEP) and a sine, driven by a phase
// in cycles that the caller advances by frequency / sample rate.
double sawWave(double phase, double phaseStep);
double squareWave(double phase, double phaseStep);
double sineWave(double phase);

// Attack-decay-sustain-release level at time t of a note held `hold` seconds.
double adsr(double t, double hold, double attack, double decay, double sustain, double release);

// White noise in -1..1 from its own deterministic generator.
class Noise {
 public:
  explicit Noise(std::uint64_t seed) : state_(seed | 1u) {}
  double next();

 private:
  std::uint64_t state_;
};

// A state-variable filter (Chamberlin): low-pass, band-pass and high-pass
// outputs of one step at a cutoff that may change every sample.
class Filter {
 public:
  struct Out {
    double low;
    double band;
    double high;
  };
  Out step(double input, double cutoffHz, double resonance);

 private:
  double low_ = 0.0;
  double band_ = 0.0;
};

// Adds `source` into `target` from sample `at`, scaled by `gain`; the target
// grows when needed.
void mixInto(Samples& target, const Samples& source, std::size_t at, double gain);

// A Schroeder reverb: parallel combs and series all-passes; returns the wet
// signal only.
Samples reverb(const Samples& dry, double roomSize, double damping);

// Scales so that the loudest sample is at `peak` (for example 0.89, -1 dBFS).
void normalise(Samples& samples, double peak);
void normalise(Stereo& sound, double peak);
double peakOf(const Samples& samples);

}  // namespace demo_gen
