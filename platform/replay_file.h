// Exact recordings: what a recorded run of a program holds, as plain text,
// one line per event. A recording starts with the line "kestrel-recording 1";
// anything else is a time-only input script (see input_script.h).
//
//   kestrel-recording 1
//   version 0.1.0                 the program version that recorded it
//   program shooter
//   seed 1234567                  the random seed, even when the clock chose it
//   start NAME VALUE              the program's start-up values (settings, table)
//   DELTA CHECK                   one shown frame: its clock reading, DELTA
//                                 microseconds after the previous frame's, and
//                                 a check byte of the program's state (hex)
//   down KEY PUMP                 an input event during the frame interval
//   up KEY PUMP                   that follows the last frame line (before the
//   paddown KEY PUMP              first frame line: before the first frame);
//   padup KEY PUMP                PUMP counts the input reads in that interval
//   text HEX PUMP                 (1 = the first), so an event reaches the
//   focus PUMP                    program at the same read it did when played
//   close PUMP
//   end FIGURES                   the program's closing figures, last line
//
// VALUE keeps spaces; '%', control and non-ASCII bytes are written as %XX.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

struct RecordedEvent {
  enum class Kind { KeyDown, KeyUp, PadDown, PadUp, Text, FocusLost, Close };
  Kind kind = Kind::KeyDown;
  int scancode = 0;
  std::string text;           // Text events: the characters delivered
  std::uint64_t frame = 0;    // frames shown when the event arrived
  std::uint32_t pump = 0;     // input read within that frame interval, from 1
};

struct RecordedFrame {
  std::uint64_t clockMicros = 0;  // the program's clock reading when the frame was shown
  std::uint8_t check = 0;
};

struct Recording {
  std::string version;
  std::string program;
  std::uint32_t seed = 0;
  std::vector<std::pair<std::string, std::string>> startValues;
  std::vector<RecordedFrame> frames;   // frames[k] is the (k+1)-th frame shown
  std::vector<RecordedEvent> events;   // in arrival order
  std::string closingFigures;          // "" until the run ended
};

struct RecordingParseResult {
  std::optional<Recording> recording;
  std::string error;  // names the offending line: "line 3: ..."
};

inline constexpr std::string_view kRecordingHeader = "kestrel-recording 1";

// True when the text starts with the recording header line.
bool looksLikeRecording(std::string_view text);
RecordingParseResult parseRecording(std::string_view text);
std::string formatRecording(const Recording& recording);

// The version this build writes into its recordings and accepts in replays.
std::string_view recordingVersion();

// Start-value escaping: spaces stay, '%', control and non-ASCII bytes become %XX.
std::string escapeValue(std::string_view value);
std::optional<std::string> unescapeValue(std::string_view value);

}  // namespace platform
