// SDL_mixer behind the sound device.
#include "platform/backends/sdl/mixer_sound_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <map>

#include "platform/sound_file_check.h"

namespace platform {

namespace {

class MixerSoundDevice final : public SoundDevice {
 public:
  ~MixerSoundDevice() override { close(); }

  bool open(const SoundOutput& output) override {
    if (open_) {
      growChannels(output.channels);
      return true;
    }
    // Only the audio part of SDL is started and later stopped here: the
    // window belongs to the platform backend.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(output.rate, AUDIO_S16SYS, 2, output.bufferFrames) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG);
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    bytesPerSecond_ = static_cast<long>(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    Mix_AllocateChannels(std::max(0, output.channels));
    open_ = true;
    return true;
  }

  void close() override {
    if (!open_) return;
    Mix_HaltChannel(-1);
    // The sounds loaded last are freed first.
    for (auto it = chunks_.rbegin(); it != chunks_.rend(); ++it) Mix_FreeChunk(it->second);
    chunks_.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
  }

  bool isOpen() const override { return open_; }

  int channelCount() const override { return open_ ? Mix_AllocateChannels(-1) : 0; }

  int growChannels(int channels) override {
    if (!open_) return 0;
    if (channels > Mix_AllocateChannels(-1)) Mix_AllocateChannels(channels);
    return Mix_AllocateChannels(-1);
  }

  SoundId load(const std::string& path) override {
    if (!open_) return kNoSound;
    const auto bytes = readSoundForDecoding(path);
    if (!bytes) return kNoSound;
    // The decoder reads a read-only view of the bytes, which ends where the
    // file ended; the chunk it makes owns its own samples.
    SDL_RWops* source = SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size()));
    if (source == nullptr) return kNoSound;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 1);
    if (chunk == nullptr) return kNoSound;
    const SoundId id = nextSound_++;
    chunks_[id] = chunk;
    return id;
  }

  void unload(SoundId sound) override {
    const auto found = chunks_.find(sound);
    if (found == chunks_.end()) return;
    // Mix_FreeChunk halts the channels playing it.
    Mix_FreeChunk(found->second);
    chunks_.erase(found);
  }

  long lengthMs(SoundId sound) const override {
    const Mix_Chunk* chunk = chunkOf(sound);
    if (chunk == nullptr || bytesPerSecond_ <= 0) return 0;
    return static_cast<long>((static_cast<long long>(chunk->alen) * 1000 + bytesPerSecond_ / 2) / bytesPerSecond_);
  }

  int play(SoundId sound, int channel, int loops) override {
    Mix_Chunk* chunk = chunkOf(sound);
    if (chunk == nullptr || !reachable(channel)) return -1;
    return Mix_PlayChannel(channel, chunk, loops);
  }

  void halt(int channel) override {
    if (reachable(channel)) Mix_HaltChannel(channel);
  }

  void setVolume(int channel, int volume) override {
    if (reachable(channel)) Mix_Volume(channel, std::clamp(volume, 0, kFullVolume));
  }

  bool isPlaying(int channel) const override {
    if (!open_) return false;
    if (channel == kAnyChannel) return Mix_Playing(-1) > 0;
    return exists(channel) && Mix_Playing(channel) != 0 && Mix_Paused(channel) == 0;
  }

 private:
  bool exists(int channel) const { return open_ && channel >= 0 && channel < Mix_AllocateChannels(-1); }
  // One channel that exists, or all of them while the output is open.
  bool reachable(int channel) const { return channel == kAnyChannel ? open_ : exists(channel); }
  Mix_Chunk* chunkOf(SoundId sound) const {
    const auto found = chunks_.find(sound);
    return found == chunks_.end() ? nullptr : found->second;
  }

  bool open_ = false;
  long bytesPerSecond_ = 0;
  std::map<SoundId, Mix_Chunk*> chunks_;  // in load order: ids only grow
  SoundId nextSound_ = 1;
};

}  // namespace

std::unique_ptr<SoundDevice> makeMixerSoundDevice() { return std::make_unique<MixerSoundDevice>(); }

}  // namespace platform
