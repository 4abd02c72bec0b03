// Web Audio behind the sound-device interface. The audio graph lives in the
// page script's Module.kestrelAudio (web/site/kestrel_page.js), which also
// resumes the AudioContext on the first key press or click. Decoding is
// asynchronous in the browser, so load() waits for it with emscripten_sleep.
#include "platform/backends/web/web_sound_device.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace platform {

namespace {

// Files above this size are not decoded: no sound of the programs is near it.
constexpr long kMaxSoundFileBytes = 16L * 1024 * 1024;

EM_JS(int, kestrelAudioOpen, (int channels), {
  return Module.kestrelAudio ? (Module.kestrelAudio.open(channels) ? 1 : 0) : 0;
});
EM_JS(void, kestrelAudioClose, (), { Module.kestrelAudio.close(); });
EM_JS(void, kestrelAudioGrow, (int channels), { Module.kestrelAudio.grow(channels); });
// Starts decoding; kestrelAudioDecodeState() is 0 while it runs, 1 when done, -1 when it failed.
EM_JS(void, kestrelAudioDecode, (int id, const unsigned char* bytes, int size), {
  Module.kestrelAudio.decode(id, HEAPU8.slice(bytes, bytes + size).buffer);
});
EM_JS(int, kestrelAudioDecodeState, (int id), { return Module.kestrelAudio.decodeState(id); });
EM_JS(double, kestrelAudioLengthMs, (int id), { return Module.kestrelAudio.lengthMs(id); });
EM_JS(void, kestrelAudioFree, (int id), { Module.kestrelAudio.free(id); });
EM_JS(void, kestrelAudioPlay, (int id, int channel, int loops), { Module.kestrelAudio.play(id, channel, loops); });
EM_JS(void, kestrelAudioHalt, (int channel), { Module.kestrelAudio.halt(channel); });
EM_JS(void, kestrelAudioVolume, (int channel, double gain), { Module.kestrelAudio.volume(channel, gain); });

bool readWhole(const std::string& path, std::vector<unsigned char>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  bool ok = std::fseek(f, 0, SEEK_END) == 0;
  const long size = ok ? std::ftell(f) : -1;
  ok = ok && size > 0 && size <= kMaxSoundFileBytes && std::fseek(f, 0, SEEK_SET) == 0;
  if (ok) {
    bytes.resize(static_cast<std::size_t>(size));
    ok = std::fread(bytes.data(), 1, bytes.size(), f) == bytes.size();
  }
  std::fclose(f);
  return ok;
}

class WebAudioSoundDevice final : public SoundDevice {
 public:
  ~WebAudioSoundDevice() override { close(); }

  // Web Audio mixes at the page's own rate; only the channel count matters.
  bool open(const SoundOutput& output) override {
    if (open_) {
      growChannels(output.channels);
      return true;
    }
    open_ = kestrelAudioOpen(output.channels) != 0;
    channels_ = open_ ? output.channels : 0;
    sounding_.assign(static_cast<std::size_t>(channels_), Sounding{});
    return open_;
  }
  void close() override {
    if (!open_) return;
    kestrelAudioClose();
    lengths_.clear();
    sounding_.clear();
    open_ = false;
    channels_ = 0;
  }
  bool isOpen() const override { return open_; }

  int channelCount() const override { return channels_; }
  int growChannels(int channels) override {
    if (open_ && channels > channels_) {
      kestrelAudioGrow(channels);
      channels_ = channels;
      sounding_.resize(static_cast<std::size_t>(channels_));
    }
    return channels_;
  }

  SoundId load(const std::string& path) override {
    if (!open_) return kNoSound;
    std::vector<unsigned char> bytes;
    if (!readWhole(path, bytes)) return kNoSound;
    const SoundId id = nextId_++;
    kestrelAudioDecode(id, bytes.data(), static_cast<int>(bytes.size()));
    int state = 0;
    while ((state = kestrelAudioDecodeState(id)) == 0) emscripten_sleep(1);
    if (state < 0) {
      kestrelAudioFree(id);
      return kNoSound;
    }
    lengths_[id] = kestrelAudioLengthMs(id);
    return id;
  }
  void unload(SoundId sound) override {
    if (lengths_.erase(sound) == 0) return;
    for (int c = 0; c < channels_; ++c) {
      if (sounding_[static_cast<std::size_t>(c)].sound == sound) halt(c);
    }
    kestrelAudioFree(sound);
  }
  long lengthMs(SoundId sound) const override {
    const auto found = lengths_.find(sound);
    return found == lengths_.end() ? 0 : static_cast<long>(found->second + 0.5);
  }

  int play(SoundId sound, int channel, int loops) override {
    const auto found = lengths_.find(sound);
    if (!open_ || found == lengths_.end()) return -1;
    if (channel == kAnyChannel) channel = firstFreeChannel();
    if (channel < 0 || channel >= channels_) return -1;
    kestrelAudioPlay(sound, channel, loops);
    sounding_[static_cast<std::size_t>(channel)] = {
        sound, loops < 0 ? std::numeric_limits<double>::infinity() : emscripten_get_now() + found->second * (loops + 1)};
    return channel;
  }
  void halt(int channel) override {
    if (!open_) return;
    kestrelAudioHalt(channel);
    if (channel == kAnyChannel) {
      std::fill(sounding_.begin(), sounding_.end(), Sounding{});
    } else if (channel >= 0 && channel < channels_) {
      sounding_[static_cast<std::size_t>(channel)] = {};
    }
  }
  void setVolume(int channel, int volume) override {
    if (!open_) return;
    const int clamped = volume < 0 ? 0 : (volume > 128 ? 128 : volume);
    kestrelAudioVolume(channel, clamped / 128.0);
  }
  // Judged here by the wall clock, as the page's audio graph judges it, so
  // that sounds started before the first key press (audio still suspended)
  // end on time, and without a call into the page per channel: the search
  // for a free channel asks every channel, many times a frame in a busy game.
  bool isPlaying(int channel) const override {
    if (!open_) return false;
    const double now = emscripten_get_now();
    if (channel == kAnyChannel) {
      return std::any_of(sounding_.begin(), sounding_.end(), [now](const Sounding& s) { return s.soundsAt(now); });
    }
    return channel >= 0 && channel < channels_ && sounding_[static_cast<std::size_t>(channel)].soundsAt(now);
  }

 private:
  // What a channel plays and until when (the page's clock, ms); endsAt 0: silent.
  struct Sounding {
    SoundId sound = kNoSound;
    double endsAt = 0.0;
    bool soundsAt(double now) const { return now < endsAt; }
  };

  // One clock reading for the whole search.
  int firstFreeChannel() const {
    const double now = emscripten_get_now();
    const auto free = std::find_if(sounding_.begin(), sounding_.end(), [now](const Sounding& s) { return !s.soundsAt(now); });
    return free == sounding_.end() ? -1 : static_cast<int>(free - sounding_.begin());
  }

  bool open_ = false;
  int channels_ = 0;
  SoundId nextId_ = 1;
  std::map<SoundId, double> lengths_;  // ms, as the page decoded them
  std::vector<Sounding> sounding_;     // by channel
};

}  // namespace

std::unique_ptr<SoundDevice> makeWebAudioSoundDevice() { return std::make_unique<WebAudioSoundDevice>(); }

}  // namespace platform
