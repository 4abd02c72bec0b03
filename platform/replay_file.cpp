// Reading and writing exact recordings.
#include "platform/replay_file.h"

#include <charconv>
#include <cstdio>

#include "kestrel/build_info.h"
#include "platform/input_script.h"

namespace platform {

namespace {

// Bounds that keep a damaged file's numbers far from overflow: a frame at
// most 1000 s after the previous one, and at most a billion reads per frame.
constexpr std::uint64_t kMaxFrameDeltaMicros = 1'000'000'000;
constexpr std::uint64_t kMaxPump = 1'000'000'000;
constexpr std::size_t kMaxStartValues = 256;
constexpr std::size_t kMaxNameLength = 32;

struct NamedKind {
  const char* name;
  RecordedEvent::Kind kind;
};
constexpr NamedKind kKeyKinds[] = {
    {"down", RecordedEvent::Kind::KeyDown},
    {"up", RecordedEvent::Kind::KeyUp},
    {"paddown", RecordedEvent::Kind::PadDown},
    {"padup", RecordedEvent::Kind::PadUp},
};

std::vector<std::string_view> splitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

// Whether a word is all visible ASCII: the version, the program and the
// closing figures are written back as they are, so a control byte (a stray
// carriage return, say) would not survive the trip.
bool isVisibleWord(std::string_view word) {
  for (const char c : word) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b >= 0x7F) return false;
  }
  return true;
}

std::optional<std::uint64_t> parseNumber(std::string_view text, std::uint64_t max) {
  std::uint64_t value = 0;
  if (text.empty() || text.size() > 20) return std::nullopt;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size() || value > max) return std::nullopt;
  return value;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> parseHex(std::string_view text) {
  if (text.empty() || text.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = hexDigit(text[i]);
    const int low = hexDigit(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
  }
  return bytes;
}

std::string hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

bool validName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength) return false;
  for (const char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
    if (!ok) return false;
  }
  return true;
}

const char* kindWord(RecordedEvent::Kind kind) {
  for (const auto& k : kKeyKinds) {
    if (k.kind == kind) return k.name;
  }
  switch (kind) {
    case RecordedEvent::Kind::Text: return "text";
    case RecordedEvent::Kind::FocusLost: return "focus";
    default: return "close";
  }
}

}  // namespace

std::string_view recordingVersion() { return kestrel::kVersion; }

std::string escapeValue(std::string_view value) {
  std::string out;
  for (const char c : value) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b >= 0x7F || c == '%') {
      char code[4];
      std::snprintf(code, sizeof code, "%%%02X", b);
      out += code;
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<std::string> unescapeValue(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const auto b = static_cast<unsigned char>(value[i]);
    if (value[i] == '%') {
      if (value.size() - i < 3) return std::nullopt;
      const auto bytes = parseHex(value.substr(i + 1, 2));
      if (!bytes) return std::nullopt;
      out += *bytes;
      i += 2;
    } else if (b < 0x20 || b >= 0x7F) {
      return std::nullopt;
    } else {
      out += value[i];
    }
  }
  return out;
}

bool looksLikeRecording(std::string_view text) {
  if (text.substr(0, kRecordingHeader.size()) != kRecordingHeader) return false;
  const std::string_view rest = text.substr(kRecordingHeader.size());
  return rest.empty() || rest[0] == '\n' || rest[0] == '\r';
}

RecordingParseResult parseRecording(std::string_view text) {
  RecordingParseResult result;
  Recording rec;
  std::size_t lineNumber = 0;
  std::size_t position = 0;
  bool haveVersion = false, haveProgram = false, haveSeed = false, ended = false;
  std::uint64_t clock = 0;
  std::uint32_t lastPump = 0;
  auto fail = [&](const std::string& why) {
    result.error = "line " + std::to_string(lineNumber) + ": " + why;
    return result;
  };
  while (position < text.size()) {
    std::size_t end = text.find('\n', position);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(position, end - position);
    position = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (lineNumber == 1) {
      if (line != kRecordingHeader) return fail("not a recording: the first line must be \"kestrel-recording 1\"");
      continue;
    }
    const auto words = splitWords(line);
    if (words.empty()) continue;
    if (ended) return fail("nothing may follow the end line");
    const std::string_view word = words[0];
    const bool inHeader = rec.frames.empty() && rec.events.empty();
    if (word == "version" || word == "program") {
      if (words.size() != 2 || !isVisibleWord(words[1])) return fail(std::string(word) + " needs one word");
      if (!inHeader) return fail(std::string(word) + " belongs before the frames");
      (word == "version" ? rec.version : rec.program) = std::string(words[1]);
      (word == "version" ? haveVersion : haveProgram) = true;
    } else if (word == "seed") {
      const auto seed = words.size() == 2 ? parseNumber(words[1], 0xFFFFFFFFu) : std::nullopt;
      if (!seed) return fail("seed needs a whole number from 0 to 4294967295");
      if (!inHeader) return fail("the seed belongs before the frames");
      rec.seed = static_cast<std::uint32_t>(*seed);
      haveSeed = true;
    } else if (word == "start") {
      if (words.size() < 2 || !validName(words[1])) return fail("start needs a name of letters, digits, '_' or '.'");
      if (!inHeader) return fail("start values belong before the frames");
      if (rec.startValues.size() >= kMaxStartValues) return fail("too many start values");
      // The value is the rest of the line after the name and one space.
      const std::size_t valueAt = static_cast<std::size_t>(words[1].data() - line.data()) + words[1].size() + 1;
      const auto value = unescapeValue(valueAt <= line.size() ? line.substr(valueAt) : std::string_view{});
      if (!value) return fail("a start value holds a broken %XX escape or a control character");
      rec.startValues.emplace_back(std::string(words[1]), *value);
    } else if (word == "end") {
      const std::size_t at = static_cast<std::size_t>(words[0].data() - line.data()) + 3;
      rec.closingFigures = std::string(line.substr(at));
      for (std::size_t w = 1; w < words.size(); ++w) {
        if (!isVisibleWord(words[w])) return fail("the end line's figures must be plain text");
      }
      ended = true;
    } else if (word[0] >= '0' && word[0] <= '9') {
      const auto delta = parseNumber(word, kMaxFrameDeltaMicros);
      if (!delta) return fail("'" + std::string(word) + "' is not a frame's clock step in microseconds");
      const auto check = words.size() == 2 && words[1].size() == 2 ? parseHex(words[1]) : std::nullopt;
      if (!check) return fail("a frame line needs its check byte as two hex digits");
      clock += *delta;
      rec.frames.push_back({clock, static_cast<std::uint8_t>((*check)[0])});
      lastPump = 0;
    } else {
      RecordedEvent event;
      event.frame = rec.frames.size();
      std::size_t pumpWord = 1;
      bool known = false;
      for (const auto& k : kKeyKinds) {
        if (word == k.name) {
          if (words.size() != 3) return fail(std::string(word) + " needs a key and an input read number");
          const auto code = keyFromName(words[1]);
          if (!code) return fail("'" + std::string(words[1]) + "' is not a key");
          event.kind = k.kind;
          event.scancode = *code;
          pumpWord = 2;
          known = true;
        }
      }
      if (!known && word == "text") {
        const auto bytes = words.size() == 3 ? parseHex(words[1]) : std::nullopt;
        if (!bytes) return fail("text needs its characters in hex and an input read number");
        event.kind = RecordedEvent::Kind::Text;
        event.text = *bytes;
        pumpWord = 2;
        known = true;
      }
      if (!known && (word == "focus" || word == "close")) {
        if (words.size() != 2) return fail(std::string(word) + " needs an input read number");
        event.kind = word == "focus" ? RecordedEvent::Kind::FocusLost : RecordedEvent::Kind::Close;
        known = true;
      }
      if (!known) return fail("'" + std::string(word) + "' is not a recording line");
      const auto pump = parseNumber(words[pumpWord], kMaxPump);
      if (!pump || *pump == 0) return fail("'" + std::string(words[pumpWord]) + "' is not an input read number");
      if (*pump < lastPump) return fail("input reads must not go backwards within a frame");
      event.pump = static_cast<std::uint32_t>(*pump);
      lastPump = event.pump;
      rec.events.push_back(std::move(event));
    }
  }
  if (lineNumber == 0) return fail("not a recording: the file is empty");
  if (!haveVersion || !haveProgram || !haveSeed) return fail("the version, program and seed lines are missing");
  if (!ended) return fail("the end line is missing: the recording is cut short");
  result.recording = std::move(rec);
  return result;
}

std::string formatRecording(const Recording& rec) {
  std::string out;
  out.reserve(rec.frames.size() * 10 + rec.events.size() * 16 + 1024);
  out += kRecordingHeader;
  out += "\nversion " + rec.version + "\nprogram " + rec.program + "\nseed " + std::to_string(rec.seed) + "\n";
  for (const auto& [name, value] : rec.startValues) out += "start " + name + " " + escapeValue(value) + "\n";
  std::size_t nextEvent = 0;
  auto eventsOfFrame = [&](std::uint64_t frame) {
    for (; nextEvent < rec.events.size() && rec.events[nextEvent].frame <= frame; ++nextEvent) {
      const RecordedEvent& e = rec.events[nextEvent];
      out += kindWord(e.kind);
      if (e.kind == RecordedEvent::Kind::Text) {
        out += " " + hex(e.text);
      } else if (e.kind != RecordedEvent::Kind::FocusLost && e.kind != RecordedEvent::Kind::Close) {
        out += " " + keyName(e.scancode);
      }
      out += " " + std::to_string(e.pump) + "\n";
    }
  };
  eventsOfFrame(0);
  std::uint64_t previous = 0;
  char line[48];
  for (std::size_t i = 0; i < rec.frames.size(); ++i) {
    const RecordedFrame& f = rec.frames[i];
    std::snprintf(line, sizeof line, "%llu %02x\n", static_cast<unsigned long long>(f.clockMicros - previous), f.check);
    out += line;
    previous = f.clockMicros;
    eventsOfFrame(i + 1);
  }
  eventsOfFrame(~std::uint64_t{0});
  out += "end" + rec.closingFigures + "\n";
  return out;
}

}  // namespace platform
