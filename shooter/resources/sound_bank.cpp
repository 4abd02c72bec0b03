// The sound bank on the platform's sound device.
#include "shooter/resources/sound_bank.h"

#include "assets/sample_names.h"
#include "shooter/resources/asset_folder.h"

#include <array>
#include <string>
#include <utility>

namespace shooter {

namespace {

// The generator writes the samples under these names, in Sample order.
constexpr const auto& kSampleFiles = assets::kSampleFileNames;
static_assert(kSampleFiles.size() == kSampleCount);

// 16 channels of 22050 Hz output with a large buffer: the effects are short
// and many may overlap, and a steady stream matters more than latency.
constexpr platform::SoundOutput kOutput{.channels = 16, .rate = 22050, .bufferFrames = 4096};

std::unique_ptr<platform::SoundDevice> device;
std::unique_ptr<platform::SoundDevice> nextDevice;  // installed by a test
std::array<platform::SoundId, kSampleCount> bank{};
SoundCounters counters;

platform::SoundId sound(Sample sample) { return bank[static_cast<std::size_t>(sample)]; }

bool openOn(std::unique_ptr<platform::SoundDevice> opened, std::uint8_t volume) {
  if (device) device->close();
  device = std::move(opened);
  counters.open = device->open(kOutput);
  bank.fill(platform::kNoSound);
  // Without a device nothing can be decoded for it. A missing or damaged
  // file leaves kNoSound, and that effect is not heard.
  for (std::size_t i = 0; counters.open && i < kSampleFiles.size(); ++i) bank[i] = device->load(assetPath(kSampleFiles[i]));
  setVolume(volume);
  return counters.open;
}

}  // namespace

bool openAudio(std::uint8_t volume, std::unique_ptr<platform::SoundDevice> (*makeDevice)()) {
  return openOn(nextDevice ? std::move(nextDevice) : makeDevice(), volume);
}

void openSilentAudio(std::uint8_t volume) { openOn(platform::makeSilentSoundDevice(), volume); }

void useSoundDevice(std::unique_ptr<platform::SoundDevice> next) { nextDevice = std::move(next); }

void playSample(Sample sample) {
  ++counters.plays[static_cast<std::size_t>(sample)];
  if (device) device->play(sound(sample), platform::kAnyChannel, 0);
}

void startEngineLoop() {
  ++counters.plays[static_cast<std::size_t>(Sample::EngineLoop)];
  if (device) device->play(sound(Sample::EngineLoop), platform::kAnyChannel, platform::kLoopForever);
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
  // The device frees the samples last loaded first, then closes the output;
  // it is kept (closed) so that a test can still read what it was asked.
  if (device) device->close();
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
