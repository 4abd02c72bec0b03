// The sound device with no output: it keeps the state a real device would
// (open or not, channels, loaded sounds, what each channel plays and at
// what volume) and records every call that changes it, one line a call.
// Sounds never end on their own; a test ends one with finish(). Loads
// succeed for any path, without reading it, unless the test refused it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/sound_device.h"

namespace platform {

class RecordingSoundDevice final : public SoundDevice {
 public:
  // A silent run's device keeps no record, so that hours of play do not
  // grow it; the state is kept either way.
  explicit RecordingSoundDevice(bool keepCalls = true) : keepCalls_(keepCalls) {}

  bool open(const SoundOutput& output) override;
  void close() override;
  bool isOpen() const override { return open_; }
  int channelCount() const override { return static_cast<int>(channels_.size()); }
  int growChannels(int channels) override;
  SoundId load(const std::string& path) override;
  void unload(SoundId sound) override;
  long lengthMs(SoundId sound) const override;
  int play(SoundId sound, int channel, int loops) override;
  void halt(int channel) override;
  void setVolume(int channel, int volume) override;
  bool isPlaying(int channel) const override;

  // The calls so far: "open 16 22050 4096", "grow 32 = 32", "load a.wav = 1",
  // "unload 1", "play 1 on -1 loops 0 = 0", "halt -1", "volume -1 96",
  // "close". Queries are not recorded.
  const std::vector<std::string>& calls() const { return calls_; }
  std::vector<std::string> takeCalls();

  // What the test arranges: open() fails; load() of the path fails; the
  // length load() gives the path's sounds (0 unless set).
  void refuseOpen(bool refuse) { refuseOpen_ = refuse; }
  void refuseFile(const std::string& path) { refusedFiles_.insert(path); }
  void setLength(const std::string& path, long ms) { lengths_[path] = ms; }
  // The channel's sound ends now, as if it had played out.
  void finish(int channel);

  // What a channel holds: its sound (kNoSound when idle), loop count and
  // volume; the path a sound was loaded from ("" when not loaded).
  SoundId soundOn(int channel) const;
  int loopsOn(int channel) const;
  int volumeOf(int channel) const;
  std::string pathOf(SoundId sound) const;
  int loadedCount() const { return static_cast<int>(sounds_.size()); }

 private:
  struct Channel {
    SoundId sound = kNoSound;
    int loops = 0;
    int volume = kFullVolume;
  };
  struct Sound {
    std::string path;
    long lengthMs = 0;
  };
  bool exists(int channel) const { return channel >= 0 && channel < channelCount(); }
  void record(std::string call) {
    if (keepCalls_) calls_.push_back(std::move(call));
  }

  bool keepCalls_;
  bool open_ = false;
  bool refuseOpen_ = false;
  std::vector<Channel> channels_;
  std::map<SoundId, Sound> sounds_;
  SoundId nextSound_ = 1;
  std::set<std::string> refusedFiles_;
  std::map<std::string, long> lengths_;
  std::vector<std::string> calls_;
};

}  // namespace platform
