// The finished game's exact recording, for a world score table. While world
// scores are on, the run is kept in memory from start-up; each game's start
// marks where its recording begins (and drops what came before), and its end
// closes it.
#pragma once

#include <optional>
#include <string>

namespace shooter {

// Start-up calls this when world scores are on, before the first frame.
void keepGamesForSubmission();
// The recording of the game that ended last (the game-recording text format),
// once; nullopt when none is waiting or world scores are off.
std::optional<std::string> takeFinishedGameRecording();

// ---- The shell's side.

// The instructions screen started a game in this frame.
void noteGameStarted();
// The game is over and the shell leaves its screens for name entry or the
// table; called before the screen changes (which may clear the score).
void noteGameOver();
// Called at the end of every drawn frame, after the page was shown: marks a
// game's start, closes its recording at its end, and in a replay of a game
// ends the run with the game.
void endOfFrameForCapture();

// ---- Replaying a game recording.

// True while the run replays a game recording (one with a `game` start value).
bool isReplayingAGame();
// Start-up calls this last. In a replay of a game recording it sets the
// game's recorded start state, the random generator's, and the playing
// screen, and returns what is wrong with the recorded start, if anything
// (also kept for replayedGameStartProblem). Otherwise it does nothing.
std::optional<std::string> startReplayedGameIfAny();
std::optional<std::string> replayedGameStartProblem();
// The closing figures of a game recording, " score=N frames=M": those of the
// frame the game ended on, or while it goes on, the current ones.
std::string gameClosingFigures();

}  // namespace shooter
