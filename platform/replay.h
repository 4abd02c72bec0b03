// Exact recordings and replays of a program's run. A program opts in with
// RunOptions::exactReplays; then --record writes an exact recording (see
// replay_file.h) and --demo, --timedemo and --verify replay one frame for
// frame, using the recorded seed, clock readings, input and start values.
// Time-only scripts keep working as before.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Backend;
struct Recording;

// True while an exact recording is being made, or replayed.
bool isRecording();
bool isReplaying();

// Start-up values the program's course depends on (its settings, its score
// table). A recording keeps them; a replay hands the recorded ones back, and
// the program uses those instead of reading its files. Names are letters,
// digits, '_' and '.'; values are one line of any bytes.
void recordStartValue(std::string_view name, std::string_view value);
std::optional<std::string> replayStartValue(std::string_view name);

// A byte summing up the program's state, taken at every shown frame: a
// recording keeps it, a replay compares it to find the first frame that
// went another way.
using FrameCheck = std::uint8_t (*)();
void setFrameCheck(FrameCheck check);

struct RunVerdict {
  bool replaying = false;
  bool matches = false;
  std::string line;  // "replay: matches score=N frames=M" or "replay: differs at frame M (...)"
};
// Called once at the program's end with its closing figures (" key=value"
// pairs, such as " state=5 score=120"). A recording is written with them; a
// replay compares them and the frames with the recorded ones.
RunVerdict finishRecordingOrReplay(std::string_view closingFigures);

// ---- Used by the platform core.

// Wraps a backend so that the clock is read in whole microseconds and every
// shown frame and input event is kept for the recording written to `path`.
std::unique_ptr<Backend> makeRecordingBackend(std::unique_ptr<Backend> inner, std::string path,
                                              std::string program, std::uint32_t seed);
// Wraps a backend so that the clock and the input come from the recording.
// Paced: the clock waits for the real time to reach each recorded reading.
std::unique_ptr<Backend> makeReplayBackend(std::unique_ptr<Backend> inner, Recording recording, bool paced);

}  // namespace platform
