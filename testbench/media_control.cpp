// The media-control command texts over a platform sound device.
#include "testbench/media_control.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "testbench/media_command.h"
#include "testbench/media_command_parser.h"

namespace testbench {

namespace {

// Which device plays a file is chosen by its extension, as the Windows layer
// does; every device here decodes through the one sound device.
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

// 44100 Hz output with a short buffer, so that a play starts at once; the
// first 16 channels, doubled whenever every one is taken.
constexpr platform::SoundOutput kOutput{.channels = 16, .rate = 44100, .bufferFrames = 1024};

bool hasKnownExtension(std::string_view file) {
  const std::size_t dot = file.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view extension = file.substr(dot);
  return std::any_of(kDevices.begin(), kDevices.end(),
                     [&](const DeviceByExtension& row) { return SameWord(row.extension, extension); });
}

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

int answer(std::string_view text, char* reply, std::size_t replySize) {
  if (reply == nullptr || replySize == 0) return 0;
  if (text.size() + 1 > replySize) return kMediaReplyTooSmall;
  std::memcpy(reply, text.data(), text.size());
  reply[text.size()] = '\0';
  return 0;
}

}  // namespace

// The alias table and the sounds it shares, over the device.
class MediaControl::Aliases {
 public:
  explicit Aliases(std::unique_ptr<platform::SoundDevice> device) : device_(std::move(device)) {}
  ~Aliases() {
    for (auto& [name, alias] : aliases_) device_->halt(alias.channel);
    aliases_.clear();
    sounds_.clear();
    device_->close();
  }
  Aliases(const Aliases&) = delete;
  Aliases& operator=(const Aliases&) = delete;

  int run(const MediaRequest& request, char* reply, std::size_t replySize) {
    switch (request.verb) {
      case MediaVerb::Open: return open(request.file, request.alias);
      case MediaVerb::CloseNothing: return 0;
      default: break;
    }
    const auto found = aliases_.find(lowered(request.alias, key_));
    if (found == aliases_.end()) return kMediaUnknownAlias;
    Alias& alias = found->second;
    switch (request.verb) {
      case MediaVerb::SetTimeFormat: return 0;  // lengths are always milliseconds
      case MediaVerb::Play:
        device_->play(alias.sound->id, alias.channel, 0);
        return 0;
      case MediaVerb::Stop:
        device_->halt(alias.channel);
        return 0;
      case MediaVerb::StatusMode:
        return answer(device_->isPlaying(alias.channel) ? "playing" : "stopped", reply, replySize);
      case MediaVerb::StatusLength: {
        char text[24];
        std::snprintf(text, sizeof text, "%ld", device_->lengthMs(alias.sound->id));
        return answer(text, reply, replySize);
      }
      case MediaVerb::Close:
        device_->halt(alias.channel);
        freeChannels_.push_back(alias.channel);
        aliases_.erase(found);
        return 0;
      default: return kMediaUnknownCommand;
    }
  }

  std::size_t count() const { return aliases_.size(); }

  int channelOf(std::string_view name) const {
    std::string buffer;
    const auto found = aliases_.find(lowered(name, buffer));
    return found == aliases_.end() ? -1 : found->second.channel;
  }

  platform::SoundDevice& device() { return *device_; }

 private:
  // A loaded sound, unloaded when the last alias on its file closes.
  struct Sound {
    Sound(platform::SoundDevice& owner, platform::SoundId sound) : device(owner), id(sound) {}
    ~Sound() { device.unload(id); }
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;
    platform::SoundDevice& device;
    platform::SoundId id;
  };
  using SharedSound = std::shared_ptr<Sound>;

  struct Alias {
    int channel = -1;
    SharedSound sound;
  };

  int open(std::string_view file, std::string_view name) {
    if (!hasKnownExtension(file)) return kMediaUnknownDevice;
    const std::string key(lowered(name, key_));
    if (aliases_.find(std::string_view(key)) != aliases_.end()) return kMediaDuplicateAlias;
    if (!openDevice()) return kMediaNoAudio;
    SharedSound sound = soundFor(std::string(file));
    if (!sound) return kMediaCannotOpenFile;
    const int channel = takeChannel();
    if (channel < 0) return kMediaNoAudio;
    aliases_.emplace(key, Alias{channel, std::move(sound)});
    return 0;
  }

  bool openDevice() {
    if (device_->isOpen()) return true;
    if (!device_->open(kOutput)) return false;
    // The device's channels are ours to hand out, the lowest first.
    freeChannels_.clear();
    allocatedChannels_ = device_->channelCount();
    for (int c = allocatedChannels_ - 1; c >= 0; --c) freeChannels_.push_back(c);
    return true;
  }

  // One decoded sound per file, shared by every alias open on it.
  SharedSound soundFor(const std::string& file) {
    if (auto it = sounds_.find(file); it != sounds_.end()) {
      if (SharedSound sound = it->second.lock()) return sound;
    }
    const platform::SoundId id = device_->load(file);
    if (id == platform::kNoSound) return nullptr;
    auto sound = std::make_shared<Sound>(*device_, id);
    sounds_[file] = sound;
    return sound;
  }

  int takeChannel() {
    if (freeChannels_.empty()) {
      const int got = device_->growChannels(std::max(kOutput.channels, allocatedChannels_ * 2));
      if (got <= allocatedChannels_) return -1;
      for (int c = got - 1; c >= allocatedChannels_; --c) freeChannels_.push_back(c);
      allocatedChannels_ = got;
    }
    const int channel = freeChannels_.back();
    freeChannels_.pop_back();
    return channel;
  }

  std::unique_ptr<platform::SoundDevice> device_;
  int allocatedChannels_ = 0;
  std::vector<int> freeChannels_;
  std::unordered_map<std::string, Alias, TextHash, std::equal_to<>> aliases_;
  std::unordered_map<std::string, std::weak_ptr<Sound>> sounds_;
  std::string key_;  // reused for capitalised alias look-ups
};

MediaControl::MediaControl(std::unique_ptr<platform::SoundDevice> device)
    : aliases_(std::make_unique<Aliases>(std::move(device))) {}

MediaControl::~MediaControl() = default;

int MediaControl::run(const std::string& command, char* reply, std::size_t replySize) {
  MediaRequest request;
  if (const int error = ParseMediaCommand(command, request); error != 0) return error;
  return aliases_->run(request, reply, replySize);
}

std::size_t MediaControl::aliasCount() const { return aliases_->count(); }
int MediaControl::channelOf(std::string_view alias) const { return aliases_->channelOf(alias); }
platform::SoundDevice& MediaControl::device() { return aliases_->device(); }

}  // namespace testbench
