// Cutting each game out of a run kept in memory, and starting a replay of
// one. A game's recording starts after the frame on which the instructions
// screen started it, with that moment's state as start values, and ends with
// the frame on which the game was over.
#include "shooter/shell/game_capture.h"

#include <charconv>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/replay.h"
#include "platform/replay_file.h"
#include "shooter/game/game_state.h"
#include "shooter/shell/game_start_state.h"
#include "shooter/shell/replay_support.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

constexpr const char* kGameValue = "game";
constexpr const char* kRandomValue = "random";
constexpr const char* kProgram = "shooter";

struct Capture {
  bool on = false;
  bool startedThisFrame = false;
  bool overThisFrame = false;
  bool gameOpen = false;  // a game's start was marked and it has not ended
  std::int32_t finalScore = 0;
  std::vector<std::pair<std::string, std::string>> startValues;
  std::optional<std::string> finished;
};

Capture capture;
bool replayingAGame = false;
bool replayedGameEnded = false;
std::string replayedGameFigures;  // taken on the frame the replayed game ended
std::optional<std::string> startProblem;

std::string hex64(std::uint64_t v) {
  char buffer[17];
  for (int i = 15; i >= 0; --i, v >>= 4) buffer[i] = "0123456789abcdef"[v & 0xFu];
  return std::string(buffer, 16);
}

std::string figures(std::int32_t score, std::uint64_t frames) {
  return " score=" + std::to_string(score) + " frames=" + std::to_string(frames);
}

void markGameStart() {
  platform::markKeptRun();
  capture.startValues = runStartValuesNow();
  capture.startValues.emplace_back(kGameValue, gameStartText());
  capture.startValues.emplace_back(kRandomValue, hex64(platform::randomState()));
  capture.gameOpen = true;
}

void closeGame() {
  capture.gameOpen = false;
  auto recording = platform::keptRunSinceMark();
  if (!recording) return;
  recording->startValues = std::move(capture.startValues);
  recording->closingFigures = figures(capture.finalScore, recording->frames.size());
  capture.finished = platform::formatRecording(*recording);
}

}  // namespace

void keepGamesForSubmission() {
  capture = Capture{};
  capture.on = platform::keepRunInMemory(kProgram);
}

std::optional<std::string> takeFinishedGameRecording() { return std::exchange(capture.finished, std::nullopt); }

void noteGameStarted() { capture.startedThisFrame = true; }

void noteGameOver() {
  capture.overThisFrame = true;
  capture.finalScore = game.score;
}

void endOfFrameForCapture() {
  const bool started = std::exchange(capture.startedThisFrame, false);
  const bool over = std::exchange(capture.overThisFrame, false);
  if (replayingAGame) {
    if (over && !replayedGameEnded) {
      replayedGameFigures = figures(capture.finalScore, platform::framesShown());
      replayedGameEnded = true;
      platform::finishReplayNow(replayedGameFigures);
      shell.running = false;
    }
    return;
  }
  if (!capture.on) return;
  if (over && capture.gameOpen) closeGame();
  // A game left for the menu is not kept.
  const bool inAGame = shell.screenState == ScreenState::Playing || shell.screenState == ScreenState::Paused;
  if (capture.gameOpen && !inAGame) capture.gameOpen = false;
  if (started) {
    markGameStart();
  } else if (!capture.gameOpen) {
    // Between games nothing is kept.
    platform::markKeptRun();
  }
}

bool isReplayingAGame() { return platform::isReplaying() && platform::replayStartValue(kGameValue).has_value(); }

namespace {

std::optional<std::string> restoreReplayedGame() {
  const auto state = platform::replayStartValue(kGameValue);
  const auto random = platform::replayStartValue(kRandomValue);
  if (!state || !random) return std::string("the recording holds no game start values");
  std::uint64_t bits = 0;
  const auto [end, error] = std::from_chars(random->data(), random->data() + random->size(), bits, 16);
  if (random->size() != 16 || error != std::errc{} || end != random->data() + random->size()) {
    return std::string("the random generator's start value is not 16 hex digits");
  }
  if (auto problem = restoreGameStart(*state)) return problem;
  shell.screenState = ScreenState::Playing;
  if (auto problem = gameStartProblem()) return problem;
  platform::setRandomState(bits);
  handGameContext();
  return std::nullopt;
}

}  // namespace

std::optional<std::string> startReplayedGameIfAny() {
  replayingAGame = isReplayingAGame();
  replayedGameEnded = false;
  startProblem.reset();
  if (!replayingAGame) return std::nullopt;
  capture = Capture{};
  startProblem = restoreReplayedGame();
  return startProblem;
}

std::optional<std::string> replayedGameStartProblem() { return startProblem; }

std::string gameClosingFigures() {
  return replayedGameEnded ? replayedGameFigures : figures(game.score, platform::framesShown());
}

}  // namespace shooter
