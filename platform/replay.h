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

#include "platform/replay_file.h"

namespace platform {

class Backend;
struct RunOptions;
struct StartFailure;

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

// ---- A run kept in memory (no file), cut into recordings of its parts.
//
// While on, the run is recorded as --record would, but kept in memory. A
// mark at a frame boundary drops what came before it, so memory stays small
// over a long session; the part from the mark to now can be taken as a
// recording of its own.

// Wraps the run's backend in the in-memory recorder. Does nothing (false)
// while a recording is replayed. The program name goes into the recordings.
bool keepRunInMemory(std::string_view program);
bool isKeepingRunInMemory();
// Marks the current frame boundary (call it after a frame was shown).
void markKeptRun();
// The kept run from the mark to now: frames and events numbered from the
// mark, the keys held at the mark as `down` events before the first frame,
// this build's version and the program's name. Start values, seed and
// closing figures are the caller's to fill. nullopt when no run is kept.
std::optional<Recording> keptRunSinceMark();
// An input the platform core applied itself, from a time-only script: the
// in-memory recorder keeps it as if the backend had delivered it.
void keepScriptedInput(RecordedEvent event);

// A replay that holds one part of a run ends where that part ended, which
// the program decides: this compares the closing figures and frames as
// finishRecordingOrReplay does, and from then on the replay checks and
// supplies nothing more (later frames and clock readings are not compared).
// finishRecordingOrReplay then returns the same verdict.
RunVerdict finishReplayNow(std::string_view closingFigures);

// Starts the platform on `backend`, replaying `recording` unpaced (as
// --verify does, but from memory). The recording's version is the caller's
// to check.
[[nodiscard]] std::optional<StartFailure> initPlatformReplaying(std::unique_ptr<Backend> backend,
                                                                const RunOptions& options, Recording recording);

// ---- Used by the platform core.

// Wraps a backend so that the clock is read in whole microseconds and every
// shown frame and input event is kept for the recording written to `path`.
std::unique_ptr<Backend> makeRecordingBackend(std::unique_ptr<Backend> inner, std::string path,
                                              std::string program, std::uint32_t seed);
// Wraps a backend so that the clock and the input come from the recording.
// Paced: the clock waits for the real time to reach each recorded reading.
std::unique_ptr<Backend> makeReplayBackend(std::unique_ptr<Backend> inner, Recording recording, bool paced);
// Wraps a backend so that the run is kept in memory (see keepRunInMemory).
// `scripted`: a time-only script drives the keys, so the user's own keys,
// which the core ignores then, are not kept either.
std::unique_ptr<Backend> makeMemoryRecorder(std::unique_ptr<Backend> inner, std::string program, bool scripted);

}  // namespace platform
