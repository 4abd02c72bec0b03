// The world score table's verifier: one submitted game recording in, one
// verdict out. It replays the game in this process on the game's own code,
// headless, and counts it only when the replay reaches the recorded end with
// every frame's check byte, after the recording's clock passed the clock
// rule (clock_rule.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "scores/store/store.h"

namespace shooter::verify {

struct VerifyLimits {
  std::size_t maxBytes = 4u << 20;     // the recording's text
  double maxPlaySeconds = 3600.0;      // the clock's span over the game
  std::uint64_t maxFrames = 200000;
  double maxWallSeconds = 20.0;        // the verification itself
};

// The game's state is the process's own (one game, one shell, one platform
// core), so only one GameVerifier may exist in a process at a time (a second
// one throws std::logic_error), and it verifies on one thread at a time.
class GameVerifier {
 public:
  // `assetFolder`: where the game's pictures and sounds are; they are read
  // once, here. `wallClock`: seconds of real time, for the time limit (the
  // steady clock when empty).
  explicit GameVerifier(std::string assetFolder, std::function<double()> wallClock = {});
  ~GameVerifier();
  GameVerifier(const GameVerifier&) = delete;
  GameVerifier& operator=(const GameVerifier&) = delete;

  // Each verification starts from the recorded state alone, whatever an
  // earlier one left.
  scores::Verdict verify(std::string_view recordingText, const VerifyLimits& limits = {});

  // The replay draws nothing by default: drawing decides nothing in a game
  // (the tests compare a drawn verification with an undrawn one) and costs
  // most of a frame.
  void drawPages(bool draw) { drawPages_ = draw; }

 private:
  std::function<double()> wallClock_;
  bool drawPages_ = false;
};

// Why a name cannot go on the table, or nullopt: 1 to 12 of the characters
// name entry can type (A-Z, 0-9 and the space).
std::optional<std::string> nameProblem(std::string_view name);

}  // namespace shooter::verify
