// The game's five sound effects, synthesised: the engine drone (a seamless
// loop), the player's shot, a small and a large explosion, and the pickup
// chime.
#pragma once

#include <string>
#include <vector>

#include "audio/wav_writer.h"

namespace assets {

Sound engineLoop();
Sound shotSound();
Sound smallExplosion();
Sound bigExplosion();
Sound pickupChime();

struct NamedSample {
  std::string fileName;
  Sound sound;
  bool loops;
};

// In the order the game loads them.
std::vector<NamedSample> gameSamples();

// Loudness targets (dBFS, loudest 100 ms) and the peak ceiling: the drone
// sits under the effects, the effects match each other.
inline constexpr double kEngineLoudnessDb = -21.0;
inline constexpr double kEffectLoudnessDb = -13.0;
inline constexpr double kPeakCeilingDb = -1.0;

}  // namespace assets
