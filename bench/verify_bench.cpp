// Verifying a world score submission: frames per second of the verifier's
// replay of a busy game (fire held, the craft sweeping across the waves, as
// timedemo_busy_game.txt plays it) at 640x480 with the per-pixel collision
// pass. The game is recorded first, in this process, by the shell's own
// in-memory capture. The target is 30,000 frames a second on one core.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "bench/bench_play_folder.h"
#include "platform/backend.h"
#include "platform/input_script.h"
#include "platform/platform.h"
#include "platform/replay.h"
#include "platform/replay_file.h"
#include "platform/run_options.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/asset_folder.h"
#include "shooter/resources/sound_bank.h"
#include "shooter/shell/game_capture.h"
#include "shooter/shell/program.h"
#include "shooter/shell/replay_support.h"
#include "shooter/shell/shell_state.h"
#include "shooter/verify/game_verifier.h"

namespace {

using namespace shooter;

// A paced clock (sleeps overshoot by 1.5 ms) and the script's keys arriving
// through the event pump, as a user's would.
class ScriptedBackend final : public platform::Backend {
 public:
  explicit ScriptedBackend(platform::InputScript script) : script_(std::move(script)) {}
  bool openWindow(int, int, bool, std::string_view) override { return true; }
  void closeWindow() override {}
  void setTitle(std::string_view) override {}
  void present(const platform::Image&) override {}
  void pumpEvents(platform::ProgramInput& sink) override {
    for (; next_ < script_.events.size() && script_.events[next_].time <= now_; ++next_) {
      const auto& e = script_.events[next_];
      using Kind = platform::InputEvent::Kind;
      switch (e.kind) {
        case Kind::KeyDown: sink.keyChanged(e.scancode, true); break;
        case Kind::KeyUp: sink.keyChanged(e.scancode, false); break;
        case Kind::PadDown: sink.padKeyChanged(e.scancode, true); break;
        case Kind::PadUp: sink.padKeyChanged(e.scancode, false); break;
        case Kind::Close: sink.closeRequested(); break;
      }
    }
  }
  double clockSeconds() override { return now_ += 5e-6; }
  void sleepMs(int milliseconds) override { now_ += milliseconds / 1000.0 + 0.0015; }
  bool isHeadless() const override { return true; }

 private:
  platform::InputScript script_;
  std::size_t next_ = 0;
  double now_ = 0.0;
};

std::string assetFolder() {
  return std::filesystem::path(platform::system::executablePath()).parent_path().string();
}

// The first game of the busy script, cut from the run by the capture.
std::string recordBusyGame() {
  bench::enterPlayFolder("kestrel_verify_bench");
  const auto text = platform::readWholeFile(KESTREL_BUSY_GAME_SCRIPT);
  if (!text) throw std::runtime_error("cannot read " KESTREL_BUSY_GAME_SCRIPT);
  auto parsed = platform::parseInputScript(*text);
  if (!parsed.script) throw std::runtime_error(parsed.error);
  setAssetFolder(assetFolder());
  platform::RunOptions options;
  options.exactReplays = true;
  options.seed = 7;
  if (const auto failure = platform::initPlatform(std::make_unique<ScriptedBackend>(std::move(*parsed.script)), options)) {
    throw std::runtime_error(failure->message);
  }
  platform::setFrameCheck(&replayFrameCheck);
  startUp("", false);
  keepGamesForSubmission();
  std::optional<std::string> game;
  while (shell.running && !game) {
    mainLoopPass();
    game = takeFinishedGameRecording();
  }
  closeAudio();
  platform::shutdownPlatform();
  if (!game) throw std::runtime_error("the busy script ended no game");
  return *game;
}

void BM_VerifyBusyGame(benchmark::State& state) {
  const std::string game = recordBusyGame();
  verify::GameVerifier verifier(assetFolder());
  scores::Verdict verdict;
  for (auto _ : state) {
    verdict = verifier.verify(game);
    if (!verdict.counted) {
      state.SkipWithError(("the busy game was refused: " + verdict.reason).c_str());
      break;
    }
  }
  state.counters["frames"] = static_cast<double>(verdict.frames);
  state.counters["score"] = static_cast<double>(verdict.score);
  state.counters["frames_per_second"] =
      benchmark::Counter(static_cast<double>(verdict.frames), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_VerifyBusyGame)->Name("verify/busy_game")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
