// Building blocks of the sound effects: deterministic noise, resonant
// filters whose cutoff may move every sample, envelopes, and the loudness
// measures used to balance the samples against each other.
#pragma once

#include <cstdint>
#include <vector>

#include "audio/wav_writer.h"

namespace assets {

// White noise in -1..1 from a fixed seed.
std::vector<float> whiteNoise(std::size_t length, std::uint64_t seed);

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

// Exponential decay with time constant `tau` seconds after a linear attack
// of `attack` seconds.
double decayEnvelope(double t, double attack, double tau);
// A value gliding exponentially from `from` to `to` with time constant tau.
double glide(double t, double from, double to, double tau);

// Peak absolute value, and the root-mean-square of the loudest window of
// `windowSeconds` (a stand-in for how loud the sound seems).
double peakLevel(const std::vector<float>& s);
double loudestWindowRms(const std::vector<float>& s, int sampleRate, double windowSeconds = 0.1);
double toDecibels(double level);

// Scales a sound so that its loudest window reaches `targetDb` (dBFS), but
// its peak never passes `ceilingDb`.
void normalise(std::vector<float>& s, int sampleRate, double targetDb, double ceilingDb);
// Short linear fades so a one-shot starts and ends at silence.
void fadeEdges(std::vector<float>& s, int sampleRate, double inSeconds, double outSeconds);

}  // namespace assets
