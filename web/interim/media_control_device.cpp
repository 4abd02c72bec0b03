// The media-control command texts on the platform's sound device, for the
// browser build until the shared layer moves onto that device.
#include "testbench/media_control.h"


#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "testbench/media_command.h"
#include "testbench/media_command_parser.h"
#include "platform/sound_device.h"

namespace testbench {

namespace {

// Which device plays a file is chosen by its extension, as the Windows layer
// does; every device here decodes through the mixer.
struct DeviceByExtension {
  std::string_view extension;
  std::string_view device;
};
constexpr std::array<DeviceByExtension, 3> kDevices{{
    {".wav", "waveaudio"},
    {".mp3", "mpegvideo"},
    {".ogg", "mpegvideo"},
}};
static_assert(kDevices.size() == 3);

bool hasKnownExtension(std::string_view file) {
  const std::size_t dot = file.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view extension = file.substr(dot);
  return std::any_of(kDevices.begin(), kDevices.end(),
                     [&](const DeviceByExtension& row) { return SameWord(row.extension, extension); });
}

// A loaded sound shared by the aliases open on its file; the last alias to
// close it frees it.
struct LoadedSound {
  platform::SoundDevice* device;
  platform::SoundId id;
  LoadedSound(platform::SoundDevice* owner, platform::SoundId sound) : device(owner), id(sound) {}
  LoadedSound(const LoadedSound&) = delete;
  LoadedSound& operator=(const LoadedSound&) = delete;
  ~LoadedSound() { device->unload(id); }
};
using SharedChunk = std::shared_ptr<LoadedSound>;

struct Device {
  int channel = -1;
  SharedChunk chunk;
};

// Aliases are matched whatever their letter case: keys are kept in lower
// case. Returns the text itself when it has no capitals (the numbered
// aliases), else its lower-case copy in `buffer`.
std::string_view lowered(std::string_view text, std::string& buffer) {
  if (std::none_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) return text;
  buffer.assign(text);
  for (char& c : buffer) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return buffer;
}

// Lets the alias table be searched with a view, without building a key.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

class Mixer {
 public:
  ~Mixer() {
    for (auto& [name, device] : devices_) output_->halt(device.channel);
    devices_.clear();
    chunks_.clear();
    if (audioOpen_) output_->close();
  }

  int run(const MediaRequest& request, char* reply, std::size_t replySize) {
    switch (request.verb) {
      case MediaVerb::Open: return open(request.file, request.alias);
      case MediaVerb::CloseNothing: return 0;
      default: break;
    }
    const auto found = devices_.find(lowered(request.alias, key_));
    if (found == devices_.end()) return kMediaUnknownAlias;
    Device& device = found->second;
    switch (request.verb) {
      case MediaVerb::SetTimeFormat: return 0;  // lengths are always milliseconds
      case MediaVerb::Play:
        output_->play(device.chunk->id, device.channel, 0);
        return 0;
      case MediaVerb::Stop:
        output_->halt(device.channel);
        return 0;
      case MediaVerb::StatusMode: {
        const bool playing = output_->isPlaying(device.channel);
        return answer(playing ? "playing" : "stopped", reply, replySize);
      }
      case MediaVerb::StatusLength: {
        char text[24];
        std::snprintf(text, sizeof text, "%ld", output_->lengthMs(device.chunk->id));
        return answer(text, reply, replySize);
      }
      case MediaVerb::Close:
        output_->halt(device.channel);
        freeChannels_.push_back(device.channel);
        devices_.erase(found);
        return 0;
      default: return kMediaUnknownCommand;
    }
  }

  std::size_t aliasCount() const { return devices_.size(); }

 private:
  int open(std::string_view file, std::string_view alias) {
    if (!hasKnownExtension(file)) return kMediaUnknownDevice;
    const std::string key(lowered(alias, key_));
    if (devices_.find(std::string_view(key)) != devices_.end()) return kMediaDuplicateAlias;
    if (!openAudio()) return kMediaNoAudio;
    SharedChunk chunk = chunkFor(std::string(file));
    if (!chunk) return kMediaCannotOpenFile;
    const int channel = takeChannel();
    if (channel < 0) return kMediaNoAudio;
    devices_.emplace(key, Device{channel, std::move(chunk)});
    return 0;
  }

  bool openAudio() {
    if (audioOpen_) return true;
    if (!output_) output_ = platform::makeSoundDevice();
    if (!output_->open(16)) return false;
    allocatedChannels_ = output_->channelCount();
    // The device starts with channels of its own; they are ours to hand out.
    for (int c = allocatedChannels_ - 1; c >= 0; --c) freeChannels_.push_back(c);
    audioOpen_ = true;
    return true;
  }

  // One decoded sound per file, shared by every alias open on it.
  SharedChunk chunkFor(const std::string& file) {
    if (auto it = chunks_.find(file); it != chunks_.end()) {
      if (SharedChunk chunk = it->second.lock()) return chunk;
    }
    const platform::SoundId loaded = output_->load(file);
    if (loaded == platform::kNoSound) return nullptr;
    SharedChunk chunk(new LoadedSound{output_.get(), loaded});
    chunks_[file] = chunk;
    return chunk;
  }

  int takeChannel() {
    if (freeChannels_.empty()) {
      const int grown = std::max(16, allocatedChannels_ * 2);
      const int got = output_->growChannels(grown);
      if (got <= allocatedChannels_) return -1;
      for (int c = got - 1; c >= allocatedChannels_; --c) freeChannels_.push_back(c);
      allocatedChannels_ = got;
    }
    const int channel = freeChannels_.back();
    freeChannels_.pop_back();
    return channel;
  }

  static int answer(std::string_view text, char* reply, std::size_t replySize) {
    if (reply == nullptr || replySize == 0) return 0;
    if (text.size() + 1 > replySize) return kMediaReplyTooSmall;
    std::memcpy(reply, text.data(), text.size());
    reply[text.size()] = '\0';
    return 0;
  }

  std::unique_ptr<platform::SoundDevice> output_;
  bool audioOpen_ = false;
  int allocatedChannels_ = 0;
  std::vector<int> freeChannels_;
  std::unordered_map<std::string, Device, TextHash, std::equal_to<>> devices_;
  std::unordered_map<std::string, std::weak_ptr<LoadedSound>> chunks_;
  std::string key_;  // reused for capitalised alias look-ups
};

// Created on first use and kept until MediaShutdown, so nothing is torn down
// behind the device's back during static destruction.
Mixer*& mixerSlot() {
  static Mixer* mixer = nullptr;
  return mixer;
}

Mixer& mixer() {
  Mixer*& slot = mixerSlot();
  if (slot == nullptr) slot = new Mixer;
  return *slot;
}

}  // namespace

int MediaCommand(const std::string& command, char* reply, std::size_t replySize) {
  MediaRequest request;
  if (const int error = ParseMediaCommand(command, request); error != 0) return error;
  return mixer().run(request, reply, replySize);
}

void MediaShutdown() {
  Mixer*& slot = mixerSlot();
  delete slot;
  slot = nullptr;
}

std::size_t MediaOpenAliasCount() { return mixerSlot() == nullptr ? 0 : mixerSlot()->aliasCount(); }

}  // namespace testbench
