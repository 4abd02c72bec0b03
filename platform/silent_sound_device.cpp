// A sound device with no output: it opens, hands out channels and sound
// handles for readable files, and plays nothing. Runs that must stay silent
// (the node build's timedemo replays) use it.
#include <cstdio>
#include <memory>
#include <set>
#include <string>

#include "platform/sound_device.h"

namespace platform {

namespace {

class SilentSoundDevice final : public SoundDevice {
 public:
  bool open(int channels) override {
    open_ = true;
    channels_ = channels > channels_ ? channels : channels_;
    return true;
  }
  void close() override {
    open_ = false;
    sounds_.clear();
  }
  bool isOpen() const override { return open_; }
  int channelCount() const override { return channels_; }
  int growChannels(int channels) override {
    if (channels > channels_) channels_ = channels;
    return channels_;
  }
  SoundId load(const std::string& path) override {
    if (!open_) return kNoSound;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return kNoSound;
    std::fclose(f);
    const SoundId id = nextId_++;
    sounds_.insert(id);
    return id;
  }
  void unload(SoundId sound) override { sounds_.erase(sound); }
  long lengthMs(SoundId) const override { return 0; }
  int play(SoundId sound, int channel, int) override {
    if (!open_ || sounds_.count(sound) == 0) return -1;
    if (channel == kAnyChannel) return channels_ > 0 ? 0 : -1;
    return channel < channels_ ? channel : -1;
  }
  void halt(int) override {}
  void setVolume(int, int) override {}
  bool isPlaying(int) const override { return false; }

 private:
  bool open_ = false;
  int channels_ = 0;
  SoundId nextId_ = 1;
  std::set<SoundId> sounds_;
};

}  // namespace

std::unique_ptr<SoundDevice> makeSilentSoundDevice() { return std::make_unique<SilentSoundDevice>(); }

}  // namespace platform
