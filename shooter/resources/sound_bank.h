// The game's five sound effects on the platform's sound device. Every effect
// plays on the first free of 16 channels; a missing sample file leaves no
// sound and that effect is simply not heard.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/sound_device.h"

namespace shooter {

enum class Sample : std::uint8_t {
  EngineLoop = 0,     // aircraft008_mod.wav, loops from game start
  Shot = 1,           // battle029.wav
  BigExplosion = 2,   // battle004.wav
  Explosion = 3,      // battle003.wav
  Pickup = 4,         // Item2.wav, also the volume preview
};
inline constexpr int kSampleCount = 5;

// Start-up: opens the sound device that makeDevice makes (the program
// passes its build's own; a device a test installed goes first) and loads
// the samples. Returns false when the device cannot be opened (the caller
// prints the message and stops). The maker comes from the caller so that
// the game's sounds do not tie the game to a backend.
bool openAudio(std::uint8_t volume, std::unique_ptr<platform::SoundDevice> (*makeDevice)());
// Start-up of a silent run: the same on the device with no output.
void openSilentAudio(std::uint8_t volume);
// Tests: the device the next openAudio() opens instead of the build's own.
void useSoundDevice(std::unique_ptr<platform::SoundDevice> device);
void playSample(Sample sample);
void startEngineLoop();
void haltAllSounds();
void setVolume(std::uint8_t volume);
// Shutdown: frees the samples last loaded first, then closes the device.
void closeAudio();

// What the bank has been asked to do, for tests and the timedemo summary.
struct SoundCounters {
  std::uint32_t plays[kSampleCount] = {};
  std::uint32_t halts = 0;
  std::uint32_t volumeChanges = 0;
  std::uint8_t volume = 0;
  bool open = false;
};
const SoundCounters& soundCounters();
void resetSoundCounters();

}  // namespace shooter
