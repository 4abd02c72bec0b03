// The silent, recording sound device.
#include "platform/recording_sound_device.h"

#include <algorithm>

namespace platform {

namespace {

std::string said(int value) { return std::to_string(value); }

}  // namespace

bool RecordingSoundDevice::open(const SoundOutput& output) {
  record("open " + said(output.channels) + " " + said(output.rate) + " " + said(output.bufferFrames));
  if (open_) {
    growChannels(output.channels);
    return true;
  }
  if (refuseOpen_) return false;
  open_ = true;
  channels_.assign(static_cast<std::size_t>(std::max(0, output.channels)), Channel{});
  return true;
}

void RecordingSoundDevice::close() {
  record("close");
  open_ = false;
  channels_.clear();
  sounds_.clear();
}

int RecordingSoundDevice::growChannels(int channels) {
  if (open_ && channels > channelCount()) channels_.resize(static_cast<std::size_t>(channels));
  record("grow " + said(channels) + " = " + said(channelCount()));
  return channelCount();
}

SoundId RecordingSoundDevice::load(const std::string& path) {
  SoundId id = kNoSound;
  if (open_ && refusedFiles_.count(path) == 0) {
    id = nextSound_++;
    const auto length = lengths_.find(path);
    sounds_[id] = Sound{path, length == lengths_.end() ? 0 : length->second};
  }
  record("load " + path + " = " + said(id));
  return id;
}

void RecordingSoundDevice::unload(SoundId sound) {
  record("unload " + said(sound));
  for (Channel& channel : channels_) {
    if (channel.sound == sound) channel.sound = kNoSound;
  }
  sounds_.erase(sound);
}

long RecordingSoundDevice::lengthMs(SoundId sound) const {
  const auto found = sounds_.find(sound);
  return found == sounds_.end() ? 0 : found->second.lengthMs;
}

int RecordingSoundDevice::play(SoundId sound, int channel, int loops) {
  int used = -1;
  if (open_ && sounds_.count(sound) != 0) {
    if (channel == kAnyChannel) {
      const auto idle = std::find_if(channels_.begin(), channels_.end(),
                                     [](const Channel& c) { return c.sound == kNoSound; });
      if (idle != channels_.end()) used = static_cast<int>(idle - channels_.begin());
    } else if (exists(channel)) {
      used = channel;
    }
  }
  if (used >= 0) {
    Channel& target = channels_[static_cast<std::size_t>(used)];
    target.sound = sound;
    target.loops = loops;
  }
  record("play " + said(sound) + " on " + said(channel) + " loops " + said(loops) + " = " + said(used));
  return used;
}

void RecordingSoundDevice::halt(int channel) {
  record("halt " + said(channel));
  if (channel == kAnyChannel) {
    for (Channel& c : channels_) c.sound = kNoSound;
  } else {
    finish(channel);
  }
}

void RecordingSoundDevice::setVolume(int channel, int volume) {
  record("volume " + said(channel) + " " + said(volume));
  const int clamped = std::clamp(volume, 0, kFullVolume);
  if (channel == kAnyChannel) {
    for (Channel& c : channels_) c.volume = clamped;
  } else if (exists(channel)) {
    channels_[static_cast<std::size_t>(channel)].volume = clamped;
  }
}

bool RecordingSoundDevice::isPlaying(int channel) const {
  if (channel == kAnyChannel) {
    return std::any_of(channels_.begin(), channels_.end(), [](const Channel& c) { return c.sound != kNoSound; });
  }
  return soundOn(channel) != kNoSound;
}

std::vector<std::string> RecordingSoundDevice::takeCalls() {
  std::vector<std::string> taken;
  taken.swap(calls_);
  return taken;
}

void RecordingSoundDevice::finish(int channel) {
  if (exists(channel)) channels_[static_cast<std::size_t>(channel)].sound = kNoSound;
}

SoundId RecordingSoundDevice::soundOn(int channel) const {
  return exists(channel) ? channels_[static_cast<std::size_t>(channel)].sound : kNoSound;
}

int RecordingSoundDevice::loopsOn(int channel) const {
  return exists(channel) ? channels_[static_cast<std::size_t>(channel)].loops : 0;
}

int RecordingSoundDevice::volumeOf(int channel) const {
  return exists(channel) ? channels_[static_cast<std::size_t>(channel)].volume : 0;
}

std::string RecordingSoundDevice::pathOf(SoundId sound) const {
  const auto found = sounds_.find(sound);
  return found == sounds_.end() ? std::string() : found->second.path;
}

std::unique_ptr<SoundDevice> makeSilentSoundDevice() { return std::make_unique<RecordingSoundDevice>(false); }

}  // namespace platform
