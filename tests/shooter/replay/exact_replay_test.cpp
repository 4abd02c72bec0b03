// Exact recordings of `shooter`, made on a clock that jitters like a real
// one, replayed on the plain virtual clock: the replay must be the same game
// in every figure and in the last page's pixels, whatever settings.dat says
// at replay time; a tampered recording must be told apart.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "platform/input_script.h"
#include "platform/replay.h"
#include "platform/replay_file.h"
#include "shooter/game/game.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/asset_folder.h"
#include "shooter/shell/replay_support.h"
#include "tests/shooter/shell/jittery_backend.h"
#include "tests/shooter/shell/shell_fixture.h"
#include "platform/system.h"

namespace shooter::testing {
namespace {

// Two minutes and a half: into a game, fire held, weaving, the boss called
// in, a pause and back, then out to the main menu and Esc.
std::string gameScript() {
  std::ostringstream s;
  auto tap = [&s](double t, const char* key) { s << t << " down " << key << "\n" << t + 0.1 << " up " << key << "\n"; };
  tap(6, "Enter");
  tap(7, "Enter");
  s << "8 down Space\n";
  for (double t = 9; t < 12; t += 0.3) tap(t, "KpPlus");
  for (int t = 13; t < 130; t += 3) {
    s << t << " down Left\n" << t + 0.9 << " up Left\n" << t + 1.5 << " down Right\n" << t + 1.9 << " up Right\n";
    if (t % 9 == 1) s << t + 2.2 << " paddown Up\n" << t + 2.6 << " padup Up\n";
  }
  s << "131 up Space\n";
  tap(132, "Esc");
  tap(133, "Esc");  // back from the pause
  tap(135, "Esc");
  tap(136, "Down");
  tap(137, "Enter");  // the pause menu's second item: the main menu
  tap(140, "Esc");
  s << "150 close\n";
  return s.str();
}

struct RunResult {
  std::string figures;
  std::uint64_t frames = 0;
  std::vector<platform::Colour> lastPage;
  platform::RunVerdict verdict;
};

class ExactReplayTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    if (const auto run = platform::system::environmentVariable("KESTREL_RUN_DIR")) setAssetFolder(*run);
    // The smallest screen keeps the many frames quick.
    writeFile("settings.dat", "0\r\n0\r\n96\r\n50\r\n1\r\n20\r\n");
  }
  void TearDown() override {
    setAssetFolder(".");
    ShellTest::TearDown();
  }

  // One whole run of the program on a backend: start-up, the main loop, the
  // end, and the closing figures handed to the recorder or the replay.
  static RunResult run(std::unique_ptr<platform::Backend> backend, const platform::RunOptions& options) {
    restart();
    const auto failure = platform::initPlatform(std::move(backend), options);
    EXPECT_FALSE(failure) << failure->message;
    platform::setFrameCheck(&replayFrameCheck);
    // A program starts with the game's first values, so an earlier run in
    // this process must not leave its own.
    resetGame(GameReset::Everything);
    ::testing::internal::CaptureStdout();
    startUp(firstArgumentForRun(options.firstArgument));
    runMainLoop();
    RunResult result;
    result.lastPage = platform::visiblePage().pixels;
    shutDown();
    result.frames = platform::framesShown();
    result.figures = " state=" + std::to_string(static_cast<int>(shell.screenState)) + gameSummary() + shellSummary();
    result.verdict = platform::finishRecordingOrReplay(result.figures);
    ::testing::internal::GetCapturedStdout();
    return result;
  }

  static RunResult record(const std::string& path, unsigned jitterSeed) {
    platform::RunOptions options;
    options.exactReplays = true;
    options.recordPath = path;
    auto parsed = platform::parseInputScript(gameScript());
    EXPECT_TRUE(parsed.error.empty()) << parsed.error;
    platform::InputScript script = parsed.script.value_or(platform::InputScript{});
    return run(std::make_unique<JitteryBackend>(std::move(script), jitterSeed), options);
  }

  static RunResult replay(const std::string& path) {
    platform::RunOptions options;
    options.exactReplays = true;
    options.timedemoPath = path;
    return run(std::make_unique<platform::HeadlessBackend>(), options);
  }
};

TEST_F(ExactReplayTest, AJitteryGameReplaysExactlyWhateverTheSettingsFileSaysNow) {
  const RunResult played = record("game.rec", 7);
  EXPECT_FALSE(played.verdict.replaying);
  const std::string text = readFile("game.rec");
  ASSERT_TRUE(platform::looksLikeRecording(text));
  ASSERT_GT(played.frames, 40u * 140);  // minutes of play, not an early end
  EXPECT_NE(played.figures.find(" hs1="), std::string::npos);

  const RunResult replayed = replay("game.rec");
  EXPECT_TRUE(replayed.verdict.matches) << replayed.verdict.line;
  EXPECT_EQ(replayed.figures, played.figures);
  EXPECT_EQ(replayed.frames, played.frames);
  EXPECT_TRUE(replayed.lastPage == played.lastPage);
  EXPECT_EQ(replayed.verdict.line.rfind("replay: matches score=", 0), 0u) << replayed.verdict.line;

  // Another frame rate and collision kind in settings.dat, and an empty
  // table: the recording's own values are used, and nothing is written.
  writeFile("settings.dat", "2\r\n0\r\n10\r\n33\r\n0\r\n90\r\n");
  writeFile("high_scores.dat", "");
  const RunResult again = replay("game.rec");
  EXPECT_TRUE(again.verdict.matches) << again.verdict.line;
  EXPECT_EQ(again.figures, played.figures);
  EXPECT_TRUE(again.lastPage == played.lastPage);
  EXPECT_EQ(readFile("settings.dat"), "2\r\n0\r\n10\r\n33\r\n0\r\n90\r\n");
  EXPECT_EQ(readFile("high_scores.dat"), "");
}

// Moves the first line that starts with `prefix` to just after the frame line
// (a line starting with a digit) that many frames later.
std::string moveLine(const std::string& text, const std::string& prefix, int framesLater) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::size_t from = 0;
  while (from < lines.size() && lines[from].rfind(prefix, 0) != 0) ++from;
  EXPECT_LT(from, lines.size()) << "no line " << prefix;
  if (from >= lines.size()) return text;
  std::string moved = lines[from];
  moved = moved.substr(0, moved.rfind(' ')) + " 1";  // first read of its new frame
  lines.erase(lines.begin() + static_cast<long>(from));
  std::size_t to = from;
  for (int seen = 0; to < lines.size(); ++to) {
    if (!lines[to].empty() && std::isdigit(static_cast<unsigned char>(lines[to][0])) && ++seen == framesLater) break;
  }
  lines.insert(lines.begin() + static_cast<long>(to + 1), moved);
  std::string out;
  for (const auto& l : lines) out += l + "\n";
  return out;
}

TEST_F(ExactReplayTest, ATamperedRecordingDiffers) {
  const RunResult played = record("game.rec", 3);
  const std::string text = readFile("game.rec");

  // One key change a few frames late: the craft turns elsewhere.
  writeFile("moved.rec", moveLine(text, "down Left", 3));
  const RunResult moved = replay("moved.rec");
  EXPECT_FALSE(moved.verdict.matches);
  EXPECT_EQ(moved.verdict.line.rfind("replay: differs at frame ", 0), 0u) << moved.verdict.line;

  // The closing score altered: the game replays, the figures do not agree.
  const auto at = text.find(" score=", text.rfind("\nend "));
  ASSERT_NE(at, std::string::npos);
  std::string altered = text;
  altered.insert(at + 7, "9");
  writeFile("altered.rec", altered);
  const RunResult figures = replay("altered.rec");
  EXPECT_FALSE(figures.verdict.matches);
  const std::string expected = "replay: differs at frame " + std::to_string(played.frames) + " (recorded score=9";
  EXPECT_EQ(figures.verdict.line.rfind(expected, 0), 0u) << figures.verdict.line;
}

TEST_F(ExactReplayTest, ARecordingCutShortStillEndsAndDiffers) {
  record("game.rec", 5);
  std::string text = readFile("game.rec");
  // Keep the first 2000 frames and the end line only.
  std::size_t at = 0;
  for (int frames = 0; frames < 2000 && at != std::string::npos;) {
    at = text.find('\n', at + 1);
    if (at + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[at + 1]))) ++frames;
  }
  at = text.find('\n', at + 1);  // the end of the 2000th frame line
  const std::string cut = text.substr(0, at + 1) + text.substr(text.rfind("\nend ") + 1);
  writeFile("cut.rec", cut);
  const RunResult replayed = replay("cut.rec");
  EXPECT_FALSE(replayed.verdict.matches);
  EXPECT_EQ(replayed.verdict.line.rfind("replay: differs at frame 2001 ", 0), 0u) << replayed.verdict.line;
}

}  // namespace
}  // namespace shooter::testing

namespace shooter::testing {
namespace {

using ExactReplayRefusalTest = ExactReplayTest;

TEST_F(ExactReplayRefusalTest, AnotherVersionsRecordingAndTimeOnlyScriptsAreRefusedByVerify) {
  const std::string version(platform::recordingVersion());
  platform::RunOptions options;
  options.exactReplays = true;
  options.programName = "shooter";
  auto refusal = [&options](const std::string& path) {
    options.verifyPath = path;
    const auto failure = platform::initPlatform(std::make_unique<platform::HeadlessBackend>(), options);
    EXPECT_TRUE(failure) << path;
    if (!failure) return std::string();
    EXPECT_EQ(failure->exitCode, platform::kBadScriptExit);
    return failure->message;
  };
  writeFile("other.rec", "kestrel-recording 1\nversion 0.0.0-other\nprogram shooter\nseed 1\n0 00\nend\n");
  EXPECT_EQ(refusal("other.rec"), "shooter: other.rec was recorded by version 0.0.0-other and this is version " +
                                      version + "; it cannot be replayed exactly");

  writeFile("damaged.rec", "kestrel-recording 1\nversion " + version + "\nprogram shooter\nseed 1\n0 00\n30 zz\nend\n");
  EXPECT_EQ(refusal("damaged.rec"), "shooter: damaged.rec: line 6: a frame line needs its check byte as two hex digits");

  writeFile("script.txt", "1 down Space\n2 up Space\n");
  EXPECT_EQ(refusal("script.txt"), "shooter: script.txt is not a recording: it holds no clock readings to verify");

  // A program without exact recordings has no --verify.
  options.exactReplays = false;
  EXPECT_EQ(refusal("other.rec"), "shooter: --verify checks exact recordings, which this program does not make");
}

}  // namespace
}  // namespace shooter::testing
