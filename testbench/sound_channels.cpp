// The channel table and the routines that drive it.
#include "testbench/sound_channels.h"

#include <array>
#include <cctype>

#include "platform/text_convert.h"
#include "testbench/media_command.h"

namespace testbench {

namespace {

struct Channel {
  std::string alias;  // decimal channel number; empty when never opened
  std::string file;   // exactly as the caller gave it
  std::string loop;   // "1" when the channel restarts whenever it stops
};

// Slot 0 exists and is never used.
std::array<Channel, kSoundChannelSlots + 1>& channels() {
  static std::array<Channel, kSoundChannelSlots + 1> table;
  return table;
}
std::int32_t channelCount = 0;

// Status replies go into a zero-filled buffer of 257 bytes of which 256 are
// offered, so the reply always ends in a zero byte.
constexpr std::size_t kReplyBytes = 257;
constexpr std::size_t kReplyOffered = 256;

std::string statusQuery(const std::string& alias, const char* item) {
  // Reused between calls: a walk over thousands of channels builds no heap text.
  static std::string command;
  command.assign("status ");
  command += alias;
  command += item;
  std::array<char, kReplyBytes> reply{};
  SendMediaCommand(command, reply.data(), kReplyOffered);
  return std::string(reply.data());
}

// The playing test of one alias: "YES" when the first 7 characters of the
// upper-cased mode reply are PLAYING.
std::string playingTest(const std::string& alias) {
  std::string mode = statusQuery(alias, " Mode ");
  for (char& c : mode) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return mode.compare(0, 7, "PLAYING") == 0 ? "YES" : "NO";
}

void send(const std::string& command) { SendMediaCommand(command); }

}  // namespace

void SoundInit() {
  for (Channel& c : channels()) c = Channel{};
  channelCount = 0;
}

std::int32_t SoundChannelCount() { return channelCount; }

void SoundOpen(const std::string& file) {
  if (channelCount >= kSoundChannelSlots) return;
  ++channelCount;
  const std::string n = platform::toText(std::int64_t{channelCount});
  send("open " + std::string("\"") + file + "\"" + " shareable alias " + n);
  send("set " + n + " time format milliseconds");
  Channel& channel = channels()[static_cast<std::size_t>(channelCount)];
  channel.alias = n;
  channel.file = file;
}

std::string SoundChannelFor(const std::string& file) {
  auto& table = channels();
  for (std::int32_t i = 1; i <= channelCount; ++i) {
    const Channel& channel = table[static_cast<std::size_t>(i)];
    const bool sameFile = channel.file == file;
    // The status query goes out for every channel walked, whatever its file.
    if (playingTest(channel.alias) == "NO" && sameFile) return channel.alias;
  }
  const std::int32_t before = channelCount;
  SoundOpen(file);
  if (channelCount == before) return "";
  return table[static_cast<std::size_t>(channelCount)].alias;
}

void SoundPlay(const std::string& file) {
  const std::string n = SoundChannelFor(file);
  if (n.empty()) return;
  send("play " + n + " from 0");
}

void SoundMarkLoop(const std::string& file) {
  const std::string n = SoundChannelFor(file);
  if (n.empty()) return;
  const auto slot = platform::textToNumber(n);
  channels()[static_cast<std::size_t>(slot)].loop = "1";
}

void SoundServiceLoops() {
  auto& table = channels();
  const std::int32_t count = channelCount;
  for (std::int32_t i = 1; i <= count; ++i) {
    const Channel& channel = table[static_cast<std::size_t>(i)];
    // Both halves are evaluated: every channel gets its status query.
    const bool stopped = playingTest(channel.alias) == "NO";
    if (channel.loop == "1" && stopped) SoundPlay(std::string(channel.file));
  }
}

std::string SoundIsPlayingFile(const std::string& file) {
  auto& table = channels();
  for (std::int32_t i = 1; i <= channelCount; ++i) {
    const Channel& channel = table[static_cast<std::size_t>(i)];
    if (channel.file == file) return playingTest(channel.alias);
  }
  return "NO";
}

std::string SoundIsPlayingChannel(const std::string& alias) {
  auto& table = channels();
  for (std::int32_t i = 1; i <= channelCount; ++i) {
    const Channel& channel = table[static_cast<std::size_t>(i)];
    if (channel.alias == alias) return playingTest(channel.alias);
  }
  return "NO";
}

void SoundStopFile(const std::string& file) {
  auto& table = channels();
  for (std::int32_t i = 1; i <= channelCount; ++i) {
    Channel& channel = table[static_cast<std::size_t>(i)];
    if (channel.file != file) continue;
    channel.loop.clear();
    send("stop " + channel.alias);
  }
}

void SoundStopOnePlaying(const std::string& file) {
  auto& table = channels();
  for (std::int32_t i = 1; i <= channelCount; ++i) {
    Channel& channel = table[static_cast<std::size_t>(i)];
    const bool playing = playingTest(channel.alias) == "YES";
    if (channel.file == file && playing) {
      channel.loop.clear();
      send("stop " + channel.alias);
      return;
    }
  }
}

double SoundLength(const std::string& file) {
  auto& table = channels();
  for (std::int32_t i = 1; i <= channelCount; ++i) {
    const Channel& channel = table[static_cast<std::size_t>(i)];
    if (channel.file == file) return platform::textToNumber(statusQuery(channel.alias, " length ")) / 1000.0;
  }
  return 0.0;
}

void SoundCloseAll() {
  const auto& table = channels();
  for (std::size_t i = 1; i <= static_cast<std::size_t>(kSoundChannelSlots); ++i) send("close " + table[i].alias);
}

}  // namespace testbench
