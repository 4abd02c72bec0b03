// The sound bank on the platform's sound device, for the browser build until
// the shared sound layers move onto that device. Same behaviour as the
// SDL_mixer bank: 16 channels, effects on the first free one, the engine
// loop repeating until halted.
#include <array>
#include <memory>
#include <string>

#include "platform/sound_device.h"
#include "platform/sound_file_check.h"
#include "shooter/shell/file_locations.h"
#include "shooter/shell/sound_bank.h"

namespace shooter {

namespace {

constexpr std::array<const char*, kSampleCount> kSampleFiles{
    "aircraft008_mod.wav", "battle029.wav", "battle004.wav", "battle003.wav", "Item2.wav"};
static_assert(kSampleFiles.size() == kSampleCount);

std::unique_ptr<platform::SoundDevice> device;
std::array<platform::SoundId, kSampleCount> bank{};
SoundCounters counters;

platform::SoundId sound(Sample sample) { return bank[static_cast<std::size_t>(sample)]; }

}  // namespace

bool openAudio(std::uint8_t volume) {
  if (!device) device = platform::makeSoundDevice();
  const bool opened = device->open(16);
  counters.open = opened;
  bank.fill(platform::kNoSound);
  for (std::size_t i = 0; opened && i < kSampleFiles.size(); ++i) {
    const std::string path = assetPath(kSampleFiles[i]);
    if (platform::soundFileLooksSound(path)) bank[i] = device->load(path);
  }
  setVolume(volume);
  return opened;
}

void playSample(Sample sample) {
  ++counters.plays[static_cast<std::size_t>(sample)];
  if (counters.open) device->play(sound(sample), platform::kAnyChannel, 0);
}

void startEngineLoop() {
  ++counters.plays[static_cast<std::size_t>(Sample::EngineLoop)];
  if (counters.open) device->play(sound(Sample::EngineLoop), platform::kAnyChannel, platform::kLoopForever);
}

void haltAllSounds() {
  ++counters.halts;
  if (counters.open) device->halt(platform::kAnyChannel);
}

void setVolume(std::uint8_t volume) {
  ++counters.volumeChanges;
  counters.volume = volume;
  if (counters.open) device->setVolume(platform::kAnyChannel, volume);
}

void closeAudio() {
  if (device) {
    for (std::size_t i = bank.size(); i-- > 0;) device->unload(bank[i]);
    device->close();
  }
  bank.fill(platform::kNoSound);
  counters.open = false;
}

const SoundCounters& soundCounters() { return counters; }
void resetSoundCounters() {
  const bool open = counters.open;
  counters = SoundCounters{};
  counters.open = open;
}

}  // namespace shooter
