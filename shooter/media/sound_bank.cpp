// The sound bank on SDL_mixer.
#include "shooter/media/sound_bank.h"
#include "shooter/shell/file_locations.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <string>

#include "platform/sound_file_check.h"

namespace shooter {

namespace {

constexpr std::array<const char*, kSampleCount> kSampleFiles{
    "aircraft008_mod.wav", "battle029.wav", "battle004.wav", "battle003.wav", "Item2.wav"};
static_assert(kSampleFiles.size() == kSampleCount);

std::array<Mix_Chunk*, kSampleCount> bank{};
SoundCounters counters;

Mix_Chunk* chunk(Sample sample) { return bank[static_cast<std::size_t>(sample)]; }

}  // namespace

bool openAudio(std::uint8_t volume) {
  SDL_Init(SDL_INIT_AUDIO);
  const bool opened = Mix_OpenAudio(22050, 0x8010, 2, 4096) == 0;
  counters.open = opened;
  Mix_AllocateChannels(16);
  bank.fill(nullptr);
  for (std::size_t i = 0; i < kSampleFiles.size(); ++i) {
    if (!opened) break;  // no device: nothing can be decoded for it
    const std::string path = assetPath(kSampleFiles[i]);
    // A damaged file is left out before SDL sees its header.
    if (!platform::soundFileLooksSound(path)) continue;
    if (SDL_RWops* source = SDL_RWFromFile(path.c_str(), "rb")) bank[i] = Mix_LoadWAV_RW(source, 1);
  }
  setVolume(volume);
  return opened;
}

void playSample(Sample sample) {
  ++counters.plays[static_cast<std::size_t>(sample)];
  if (Mix_Chunk* c = chunk(sample)) Mix_PlayChannelTimed(-1, c, 0, -1);
}

void startEngineLoop() {
  ++counters.plays[static_cast<std::size_t>(Sample::EngineLoop)];
  if (Mix_Chunk* c = chunk(Sample::EngineLoop)) Mix_PlayChannelTimed(-1, c, -1, -1);
}

void haltAllSounds() {
  ++counters.halts;
  if (counters.open) Mix_HaltChannel(-1);
}

void setVolume(std::uint8_t volume) {
  ++counters.volumeChanges;
  counters.volume = volume;
  if (counters.open) Mix_Volume(-1, volume);
}

void closeAudio() {
  for (std::size_t i = bank.size(); i-- > 0;) {
    if (bank[i]) Mix_FreeChunk(bank[i]);
    bank[i] = nullptr;
  }
  if (counters.open) Mix_CloseAudio();
  counters.open = false;
  // Only the audio part of SDL stops here: the window belongs to the platform
  // layer and still shows the exit lines.
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

const SoundCounters& soundCounters() { return counters; }
void resetSoundCounters() {
  const bool open = counters.open;
  counters = SoundCounters{};
  counters.open = open;
}

}  // namespace shooter
