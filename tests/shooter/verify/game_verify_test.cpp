// The world score verifier on games recorded in memory by the shell itself:
// a scripted game through the backend's event pump on a jittery clock, cut
// out of the run with capture on, must verify with its score; doctored
// copies must be refused, each with its reason.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/input_script.h"
#include "platform/replay.h"
#include "platform/replay_file.h"
#include "platform/system.h"
#include "shooter/game/game.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/asset_folder.h"
#include "shooter/shell/game_capture.h"
#include "shooter/shell/replay_support.h"
#include "shooter/verify/clock_rule.h"
#include "shooter/verify/game_verifier.h"
#include "tests/shooter/shell/jittery_backend.h"
#include "tests/shooter/shell/shell_fixture.h"

namespace shooter::testing {
namespace {

// Two games in one run: into the first with fire held and the boss called
// in until it is over, through name entry, then a second one the same way.
std::string twoGamesScript() {
  std::ostringstream s;
  auto tap = [&s](double t, const char* key) { s << t << " down " << key << "\n" << t + 0.1 << " up " << key << "\n"; };
  for (const double start : {6.0, 80.0}) {
    tap(start, "Enter");
    tap(start + 1, "Enter");
    s << start + 2 << " down Space\n";
    for (double t = start + 3; t < start + 6; t += 0.3) tap(t, "KpPlus");
    for (double t = start + 7; t < start + 31; t += 3) {
      s << t << " down Left\n" << t + 0.9 << " up Left\n" << t + 1.5 << " down Right\n" << t + 1.9 << " up Right\n";
    }
    s << start + 34 << " up Space\n";
    tap(start + 54, "K");
    tap(start + 55, "Enter");
    tap(start + 58, "Esc");  // from the table to the main menu
  }
  s << "145 close\n";
  return s.str();
}

class GameVerifyTest : public ShellTest {
 protected:
  static std::string assets() {
    return platform::system::environmentVariable("KESTREL_RUN_DIR").value_or(".");
  }

  // Plays the script with capture on and returns every game kept. The keys
  // come through the jittery backend's event pump, or (asTimedemo) from the
  // platform's own time-only script on the headless backend's clock.
  std::vector<std::string> playWithCapture(const std::string& script, unsigned seed, bool asTimedemo = false) {
    setAssetFolder(assets());
    writeFile("settings.dat", "0\r\n0\r\n96\r\n50\r\n1\r\n20\r\n");
    restart();
    auto parsed = platform::parseInputScript(script);
    EXPECT_TRUE(parsed.error.empty()) << parsed.error;
    platform::RunOptions options;
    options.exactReplays = true;
    options.seed = 20261209;
    if (asTimedemo) {
      writeFile("script.txt", script);
      options.timedemoPath = "script.txt";
      EXPECT_FALSE(platform::initPlatform(std::make_unique<platform::HeadlessBackend>(), options));
    } else {
      EXPECT_FALSE(platform::initPlatform(
          std::make_unique<JitteryBackend>(parsed.script.value_or(platform::InputScript{}), seed), options));
    }
    platform::setFrameCheck(&replayFrameCheck);
    resetGame(GameReset::Everything);
    ::testing::internal::CaptureStdout();
    keepGamesForSubmission();
    startUp("", false);
    std::vector<std::string> games;
    while (shell.running) {
      mainLoopPass();
      if (auto game = takeFinishedGameRecording()) games.push_back(std::move(*game));
    }
    ::testing::internal::GetCapturedStdout();
    restart();
    setAssetFolder(".");
    return games;
  }
};

// Frames lines of a recording text: their indexes among the text's lines.
std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}
std::string joined(const std::vector<std::string>& ls) {
  std::string out;
  for (const auto& l : ls) out += l + "\n";
  return out;
}
bool isFrameLine(const std::string& l) { return !l.empty() && std::isdigit(static_cast<unsigned char>(l[0])); }

// Rewrites the clock step of every frame after the first (whose step is
// its whole reading) with `step(index, delta)`.
template <typename Step>
std::string withSteps(const std::string& text, Step step) {
  auto ls = lines(text);
  int index = 0;
  for (auto& l : ls) {
    if (!isFrameLine(l)) continue;
    const auto space = l.find(' ');
    const long long delta = std::stoll(l.substr(0, space));
    if (index > 0) l = std::to_string(step(index, delta)) + l.substr(space);
    ++index;
  }
  return joined(ls);
}

TEST_F(GameVerifyTest, GamesCutFromARunVerifyAndDoctoredOnesAreRefusedWithTheirReason) {
  const auto games = playWithCapture(twoGamesScript(), 11);
  ASSERT_EQ(games.size(), 2u) << "two games played to their end";
  const auto first = platform::parseRecording(games[0]);
  ASSERT_TRUE(first.recording) << first.error;
  EXPECT_EQ(first.recording->closingFigures.rfind(" score=", 0), 0u);
  EXPECT_GT(first.recording->frames.size(), 1000u);

  // The wall clock moves on half a second at every reading.
  double wallNow = 0.0;
  verify::GameVerifier verifier(assets(), [&wallNow] { return wallNow += 0.5; });
  EXPECT_THROW(verify::GameVerifier second(assets()), std::logic_error);
  for (const auto& text : games) {
    const auto verdict = verifier.verify(text);
    EXPECT_TRUE(verdict.counted) << verdict.reason;
    const auto parsed = platform::parseRecording(text);
    EXPECT_EQ(" score=" + std::to_string(verdict.score) + " frames=" + std::to_string(verdict.frames),
              parsed.recording->closingFigures);
    EXPECT_GT(verdict.score, 0);
  }
  const std::string& game = games[0];
  {  // Drawing decides nothing: a drawn verification gives the same verdict,
     // every frame's check byte matching the recorded one as before.
    const auto undrawn = verifier.verify(game);
    verifier.drawPages(true);
    const auto drawn = verifier.verify(game);
    verifier.drawPages(false);
    EXPECT_TRUE(undrawn.counted) << undrawn.reason;
    EXPECT_TRUE(drawn.counted) << drawn.reason;
    EXPECT_EQ(drawn.score, undrawn.score);
    EXPECT_EQ(drawn.frames, undrawn.frames);
  }

  auto refusedWith = [&verifier](const std::string& text, const std::string& words,
                                 const verify::VerifyLimits& limits = {}) {
    const auto verdict = verifier.verify(text, limits);
    EXPECT_FALSE(verdict.counted);
    EXPECT_NE(verdict.reason.find(words), std::string::npos) << verdict.reason;
  };
  {  // a frame's check byte changed
    auto ls = lines(game);
    int seen = 0;
    for (auto& l : ls) {
      if (isFrameLine(l) && ++seen == 300) l.back() = l.back() == '0' ? '1' : '0';
    }
    refusedWith(joined(ls), "went another way at frame 300");
  }
  {  // a higher score claimed
    auto ls = lines(game);
    auto& end = ls.back();
    const auto at = end.find("score=") + 6;
    end.insert(at, "9");
    refusedWith(joined(ls), "end figures differ");
  }
  // The clock: compressed, stretched, jittered below the interval.
  refusedWith(withSteps(game, [](int, long long d) { return d * 3 / 4; }), "sooner than the frame interval");
  refusedWith(withSteps(game, [](int, long long d) { return d * 3; }), "frames; at 50 frames a second");
  refusedWith(withSteps(game, [](int i, long long d) { return i == 500 ? 5000 : d; }), "frame 501 comes 5.000 ms");

  {  // another version
    auto ls = lines(game);
    ls[1] = "version 0.0.1-other";
    refusedWith(joined(ls), "recorded by version 0.0.1-other; this board verifies version");
  }
  verify::VerifyLimits small;
  small.maxBytes = 1000;
  refusedWith(game, "bytes; the limit is 1000", small);
  small = {};
  small.maxFrames = 100;
  refusedWith(game, "frames; the limit is 100", small);
  small = {};
  small.maxPlaySeconds = 10;
  refusedWith(game, "the limit is 10.0 s", small);
  small = {};
  small.maxWallSeconds = 1.0;
  refusedWith(game, "took longer than 1.0 s", small);
  {  // cut before the game's end, with texts queued ahead of the close that
     // ends a replay whose frames ran out: the game would go on and on
    auto ls = lines(game);
    const auto frames = static_cast<int>(first.recording->frames.size());
    int seen = 0;
    std::vector<std::string> cut;
    for (const auto& l : ls) {
      if (isFrameLine(l) && ++seen > frames - 200) break;
      cut.push_back(l);
    }
    for (int i = 0; i < 4000; ++i) cut.push_back("text 41 1");
    cut.push_back("end score=0 frames=" + std::to_string(frames - 200));
    refusedWith(joined(cut), "went another way at frame " + std::to_string(frames - 199));
  }
  refusedWith("GET / HTTP/1.1\r\n", "not a recording");
  refusedWith("kestrel-recording 1\nversion 1\nbogus line\n", "line 3");
  {  // a run recording is no game recording
    auto ls = lines(game);
    std::erase_if(ls, [](const std::string& l) { return l.rfind("start game ", 0) == 0; });
    refusedWith(joined(ls), "not a game recording");
  }
  {  // a start with points already scored
    auto ls = lines(game);
    for (auto& l : ls) {
      const std::string fresh = "start game kestrel-game 1 0 ";
      if (l.rfind(fresh, 0) == 0) l.replace(0, fresh.size(), "start game kestrel-game 1 5000 ");
    }
    refusedWith(joined(ls), "bad start values");
  }
  // After all those, the real games still verify: each starts from its own
  // recorded state.
  EXPECT_TRUE(verifier.verify(games[1]).counted);
  EXPECT_TRUE(verifier.verify(game).counted);
}

// `shooter --verify` and --timedemo of a game recording: start-up from the
// recorded start values, the game from its recorded state on the playing
// screen, the run over when the game is, the game's figures compared.
TEST_F(GameVerifyTest, TheProgramReplaysAGameRecordingToItsEnd) {
  const auto games = playWithCapture(twoGamesScript(), 12);
  ASSERT_FALSE(games.empty());
  const auto recorded = platform::parseRecording(games.back());
  ASSERT_TRUE(recorded.recording) << recorded.error;
  writeFile("game.rec", games.back());
  if (const char* keep = std::getenv("KESTREL_KEEP_GAME_RECORDING")) writeFile(keep, games.back());

  setAssetFolder(assets());
  for (const bool timedemo : {false, true}) {
    platform::RunOptions options;
    options.exactReplays = true;
    (timedemo ? options.timedemoPath : options.verifyPath) = "game.rec";
    ASSERT_FALSE(platform::initPlatform(std::make_unique<platform::HeadlessBackend>(), options));
    platform::setFrameCheck(&replayFrameCheck);
    ::testing::internal::CaptureStdout();
    startUp("", false);
    EXPECT_EQ(shell.screenState, ScreenState::Playing);
    runMainLoop();
    shutDown();
    ASSERT_TRUE(isReplayingAGame());
    const std::string figures = gameClosingFigures();
    const auto verdict = platform::finishRecordingOrReplay(figures);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(figures, recorded.recording->closingFigures);
    EXPECT_TRUE(verdict.matches) << verdict.line;
    restart();
  }
  setAssetFolder(".");
}

// A timedemo's script drives the keys itself, not through the backend: the
// capture keeps what it did as events, and the game verifies.
TEST_F(GameVerifyTest, AGamePlayedByATimedemoScriptVerifies) {
  const auto games = playWithCapture(twoGamesScript(), 0, true);
  ASSERT_EQ(games.size(), 2u);
  verify::GameVerifier verifier(assets());
  for (const auto& game : games) {
    const auto verdict = verifier.verify(game);
    EXPECT_TRUE(verdict.counted) << verdict.reason;
    EXPECT_GT(verdict.score, 0);
  }
}

// Games that do not end are not kept: one left by the pause menu's EXIT TO
// MENU, and one still going when the program is closed.
TEST_F(GameVerifyTest, AGameLeftForTheMenuOrCutShortByTheCloseIsNotKept) {
  std::ostringstream s;
  auto tap = [&s](double t, const char* key) { s << t << " down " << key << "\n" << t + 0.1 << " up " << key << "\n"; };
  tap(6, "Enter");
  tap(7, "Enter");
  tap(12, "Esc");    // pause
  tap(13, "Down");   // EXIT TO MENU
  tap(14, "Enter");
  tap(15, "Up");     // the main menu's first item: the instructions
  tap(16, "Enter");
  tap(17, "Enter");  // a second game, closed while it goes on
  s << "25 close\n";
  EXPECT_TRUE(playWithCapture(s.str(), 13).empty());
}

// The rule on its own, over readings made here: a paced loop's jitter is
// accepted; a leap, a reading that goes back, and a counted second of too
// few frames are refused, each named.
TEST(ClockRuleTest, JitterAboveTheIntervalPassesLeapsAndBackwardReadingsDoNot) {
  FrameClock start;
  start.now = 10.0;
  start.lastFrameTime = 10.0;
  start.frameInterval = 0.02;
  start.lastSecondTime = 9.5;
  start.framesThisSecond = 25;  // the half second before the game began
  std::mt19937 random(5);
  std::vector<std::uint64_t> jittered;
  std::uint64_t t = 10'000'000;
  for (int i = 0; i < 3000; ++i) {
    // 20 ms and a little, 0 to 4 ms late, and now and then 30 ms later.
    t += 20'001 + std::uniform_int_distribution<std::uint64_t>(0, 4000)(random);
    if (i % 150 == 149) t += 30'000;
    jittered.push_back(t);
  }
  EXPECT_EQ(verify::clockRuleProblem(jittered, 50, start), std::nullopt);

  const std::vector<std::uint64_t> leap{10'021'000, 11'500'000};
  EXPECT_EQ(verify::clockRuleProblem(leap, 50, start).value_or(""),
            "frame 2 comes 1479.000 ms after the previous one; no frame may come more than 1 s later");
  const std::vector<std::uint64_t> back{10'021'000, 10'011'000};
  EXPECT_NE(verify::clockRuleProblem(back, 50, start).value_or("").find("goes back at frame 2"), std::string::npos);
  // Exactly the interval after the frame the game started on: the loop
  // compares in doubles, and 10.02 - 10.0 falls short of 0.02.
  const std::vector<std::uint64_t> exact{10'020'000};
  EXPECT_NE(verify::clockRuleProblem(exact, 50, start).value_or("").find("sooner than the frame interval"),
            std::string::npos);
  // Half a second of frames at 50 a second, then one every 0.9 s: the
  // second that ends at frame 24 holds 49 frames, the next one 3.
  std::vector<std::uint64_t> slow;
  for (std::uint64_t i = 1; i <= 25; ++i) slow.push_back(10'000'000 + i * 21'000);
  for (std::uint64_t i = 1; i <= 3; ++i) slow.push_back(slow[24] + i * 900'000);
  EXPECT_EQ(verify::clockRuleProblem(slow, 50, start).value_or(""),
            "the second ending at frame 27 holds 3 frames; at 50 frames a second the loop draws at least 25");
}

TEST(NameRuleTest, OnlyWhatNameEntryCanTypeFits) {
  EXPECT_FALSE(verify::nameProblem("ACE 42"));
  EXPECT_FALSE(verify::nameProblem("ABCDEFGHIJKL"));
  EXPECT_TRUE(verify::nameProblem(""));
  EXPECT_TRUE(verify::nameProblem("ABCDEFGHIJKLM"));
  EXPECT_TRUE(verify::nameProblem("ace"));
  EXPECT_TRUE(verify::nameProblem("A<B"));
}

}  // namespace
}  // namespace shooter::testing
