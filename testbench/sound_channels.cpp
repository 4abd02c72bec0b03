// The channel table and the routines that drive it.
#include "testbench/sound_channels.h"

#include <algorithm>
#include <array>

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

// The reply buffer of every status query, all zero before each query: after
// a query only the bytes the reply wrote are cleared again, which keeps the
// whole buffer zero-filled without clearing all 257 bytes every time.
std::array<char, kReplyBytes>& replyBuffer() {
  static std::array<char, kReplyBytes> reply{};
  return reply;
}

void clearReply(std::array<char, kReplyBytes>& reply) {
  // The last byte is never offered, so a zero is always found.
  std::size_t used = 0;
  while (reply[used] != '\0') ++used;
  std::fill(reply.begin(), reply.begin() + static_cast<std::ptrdiff_t>(used), '\0');
}

// Sends "status " + alias + item with the zero-filled reply buffer, whose
// reply stays in the buffer until the next query clears it.
const char* statusQuery(const std::string& alias, const char* item) {
  // Reused between calls: a walk over thousands of channels builds no heap text.
  static std::string command;
  command.assign("status ");
  command += alias;
  command += item;
  auto& reply = replyBuffer();
  clearReply(reply);
  SendMediaCommand(command, reply.data(), kReplyOffered);
  return reply.data();
}

// The playing test of one alias: true when the first 7 characters of the
// mode reply, upper-cased, are PLAYING. Read straight from the buffer, since
// walks run it once per channel ever opened.
bool playingTest(const std::string& alias) {
  const char* reply = statusQuery(alias, " Mode ");
  static constexpr char kPlaying[] = "PLAYING";
  for (std::size_t i = 0; i < 7; ++i) {
    char c = reply[i];  // a zero byte ends the reply and fails the match
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kPlaying[i]) return false;
  }
  return true;
}

std::string yesNo(bool yes) { return yes ? "YES" : "NO"; }

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
    // The status query goes out for every channel walked, whatever its file.
    const bool idle = !playingTest(channel.alias);
    if (idle && channel.file == file) return channel.alias;
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
    const bool stopped = !playingTest(channel.alias);
    if (channel.loop == "1" && stopped) SoundPlay(std::string(channel.file));
  }
}

std::string SoundIsPlayingFile(const std::string& file) {
  auto& table = channels();
  for (std::int32_t i = 1; i <= channelCount; ++i) {
    const Channel& channel = table[static_cast<std::size_t>(i)];
    if (channel.file == file) return yesNo(playingTest(channel.alias));
  }
  return "NO";
}

std::string SoundIsPlayingChannel(const std::string& alias) {
  auto& table = channels();
  for (std::int32_t i = 1; i <= channelCount; ++i) {
    const Channel& channel = table[static_cast<std::size_t>(i)];
    if (channel.alias == alias) return yesNo(playingTest(channel.alias));
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
    const bool playing = playingTest(channel.alias);
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
    if (channel.file != file) continue;
    return platform::textToNumber(statusQuery(channel.alias, " length ")) / 1000.0;
  }
  return 0.0;
}

void SoundCloseAll() {
  const auto& table = channels();
  for (std::size_t i = 1; i <= static_cast<std::size_t>(kSoundChannelSlots); ++i) send("close " + table[i].alias);
}

}  // namespace testbench
