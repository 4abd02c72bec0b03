// Start-up order and its failures, the title's timing, the FPS word and the
// frame pacing.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "shell_fixture.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/settings.h"

namespace shooter::testing {

using StartUp = ShellTest;

TEST_F(StartUp, OpensTheScreenFromTheSettingsAndShowsTheLoadingLine) {
  start();
  EXPECT_TRUE(shell.running);
  EXPECT_EQ(platform::screenWidth(), 640);
  EXPECT_EQ(platform::screenHeight(), 480);
  EXPECT_EQ(headless().title(), "Kestrel Shooter Game");
  EXPECT_EQ(headless().windowWidth(), 640);
  EXPECT_FALSE(headless().fullScreen());
  EXPECT_NE(startupOutput_.find("Loading... Please wait."), std::string::npos);
  EXPECT_EQ(shell.frameClock.msPerFrame, 20);
  EXPECT_EQ(shell.frameClock.sleepMs, 5);
  EXPECT_DOUBLE_EQ(shell.frameClock.frameInterval, 0.02);
  EXPECT_DOUBLE_EQ(shell.collisionInterval, 0.02);
  EXPECT_EQ(shell.highScores[1].name, "PILOT1");
  EXPECT_EQ(shell.highScores[10].score, 100u);
}

TEST_F(StartUp, SmallScreenAndFullScreenFromTheFile) {
  writeFile("settings.dat", "1\r\n1\r\n200\r\n33\r\n0\r\n10\r\n");
  start();
  EXPECT_EQ(platform::screenWidth(), 512);
  EXPECT_TRUE(headless().fullScreen());
  EXPECT_EQ(shell.settings.volume, 128) << "volumes above 128 are clamped";
  EXPECT_EQ(shell.frameClock.msPerFrame, 30);
  EXPECT_EQ(shell.frameClock.sleepMs, 8);
}

TEST_F(StartUp, MissingSettingsPrintsTheMessageAndEndsInOrder) {
  std::filesystem::remove("settings.dat");
  start();
  EXPECT_FALSE(shell.running);
  EXPECT_NE(startupOutput_.find("Settings file not found!"), std::string::npos);
  EXPECT_FALSE(platform::screenIsOpen());
  EXPECT_GE(platform::timer(), 1.0) << "the message stays for 1000 ms";
  ::testing::internal::CaptureStdout();
  shutDown();
  const std::string exitLines = ::testing::internal::GetCapturedStdout();
  EXPECT_NE(exitLines.find("Thanks!"), std::string::npos);
  EXPECT_NE(exitLines.find("For details look into Readme.txt"), std::string::npos);
}

TEST_F(StartUp, MissingHighScoresPrintsItsMessage) {
  std::filesystem::remove("high_scores.dat");
  start();
  EXPECT_FALSE(shell.running);
  EXPECT_NE(startupOutput_.find("High Scores not found!"), std::string::npos);
}

TEST_F(StartUp, DamagedSettingsNeverFault) {
  for (const char* text : {"", "garbage", "9\r\n", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n", "255,255,255,255,255,255"}) {
    writeFile("settings.dat", text);
    start();
    EXPECT_GT(shell.frameClock.frameInterval, 0.0) << text;
    EXPECT_GT(shell.frameClock.msPerFrame, 0) << text;
    EXPECT_GT(platform::screenWidth(), 0) << text;
    runFor(0.5);
    restart();
  }
}

TEST_F(StartUp, TitleCannotBeSkippedAndGivesWayAfterAboutFiveSeconds) {
  start();
  press(platform::key::Enter);
  press(platform::key::Esc);
  runFrame();
  EXPECT_EQ(shell.frameClock.secondsCounter, 1) << "the first drawn frame is the first tick";
  runUntil(4.6);
  EXPECT_EQ(shell.screenState, ScreenState::Title);
  EXPECT_TRUE(shell.running);
  release(platform::key::Enter);
  release(platform::key::Esc);
  runUntil(5.6);
  EXPECT_EQ(shell.screenState, ScreenState::MainMenu);
}

TEST_F(StartUp, TheFirstTickFallsOnTheFirstFrameHoweverLateItComes) {
  // A slow start-up: the window's first frame comes 2.3 s after the clock began.
  start();
  headless().advanceClock(2.3);
  runFrame();
  EXPECT_EQ(shell.frameClock.secondsCounter, 1);
  runUntil(2.3 + 4.6);
  EXPECT_EQ(shell.screenState, ScreenState::Title);
  runUntil(2.3 + 5.6);
  EXPECT_EQ(shell.screenState, ScreenState::MainMenu);
}

TEST_F(StartUp, TheFpsWordIsACaseSensitiveSubstring) {
  start("showfps");
  EXPECT_TRUE(shell.showFps);
  restart();
  start("FPS");
  EXPECT_FALSE(shell.showFps);
}

TEST_F(StartUp, PacingDrawsAboutTheDesiredRate) {
  start();
  runUntil(10.0);
  EXPECT_GE(shell.frameClock.fpsValue, 48);
  EXPECT_LE(shell.frameClock.fpsValue, 52);
}

TEST_F(StartUp, ADesiredRateOfZeroPacesAtFiftyForAWholeMinute) {
  writeFile("settings.dat", "2\r\n0\r\n96\r\n0\r\n1\r\n20\r\n");
  start();
  EXPECT_EQ(effectiveFps(shell.settings.desiredFps), 50);
  runUntil(2.0);
  int lowest = 1000;
  int highest = 0;
  while (shell.running && shell.frameClock.now < 60.0) {
    runFor(1.0);
    lowest = std::min(lowest, shell.frameClock.fpsValue);
    highest = std::max(highest, shell.frameClock.fpsValue);
  }
  EXPECT_GE(lowest, 48);
  EXPECT_LE(highest, 52);
}

TEST_F(StartUp, PacingShrinksTheIntervalOfASlowMachine) {
  start();
  // A slow machine: every pass costs 3 ms more than its sleep.
  const double before = shell.frameClock.frameInterval;
  while (shell.frameClock.now < 3.0) {
    mainLoopPass();
    headless().advanceClock(0.003);
  }
  EXPECT_LT(shell.frameClock.fpsValue, 48);
  EXPECT_LT(shell.frameClock.frameInterval, before);
}

TEST_F(StartUp, TheCloseButtonEndsTheLoopFromAnyScreen) {
  start();
  runUntil(1.0);
  headless().requestClose();
  runFor(0.1);
  EXPECT_FALSE(shell.running);
}

TEST_F(StartUp, UnknownScreenStatePrintsErrorAndChangesNothing) {
  start();
  shell.screenState = static_cast<ScreenState>(42);
  ::testing::internal::CaptureStdout();
  runFrame();
  EXPECT_NE(::testing::internal::GetCapturedStdout().find("error!"), std::string::npos);
  EXPECT_EQ(static_cast<int>(shell.screenState), 42);
}

}  // namespace shooter::testing

namespace shooter::testing {

TEST_F(StartUp, AudioThatCannotOpenPrintsItsMessageAndEndsInOrder) {
  nextSound().refuseOpen(true);
  start();
  EXPECT_FALSE(shell.running);
  EXPECT_EQ(sound_->loadedCount(), 0) << "nothing is decoded for a device that did not open";
  EXPECT_NE(startupOutput_.find("Unable to open audio!"), std::string::npos);
  ::testing::internal::CaptureStdout();
  shutDown();
  EXPECT_NE(::testing::internal::GetCapturedStdout().find("Thanks!"), std::string::npos);
}

// The bank opens 16 channels of 22050 Hz output, loads the five samples from
// the run folder, sets the volume from the settings and plays each effect on
// the first free channel; shutdown closes the device.
TEST_F(StartUp, TheSoundBankOpensLoadsPlaysAndClosesItsDevice) {
  start();
  ASSERT_TRUE(shell.running);
  const std::vector<std::string> opened = sound_->takeCalls();
  ASSERT_EQ(opened.size(), 7u);
  EXPECT_EQ(opened[0], "open 16 22050 4096");
  const char* files[] = {"aircraft008_mod.wav", "battle029.wav", "battle004.wav", "battle003.wav", "Item2.wav"};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_NE(opened[1 + i].find(files[i]), std::string::npos) << opened[1 + i];
    EXPECT_NE(sound_->pathOf(static_cast<platform::SoundId>(i + 1)).find(files[i]), std::string::npos);
  }
  EXPECT_EQ(opened[6], "volume -1 96");

  playSample(Sample::Shot);
  startEngineLoop();
  EXPECT_EQ(sound_->takeCalls(), (std::vector<std::string>{"play 2 on -1 loops 0 = 0", "play 1 on -1 loops -1 = 1"}));
  EXPECT_TRUE(sound_->isPlaying(1));
  haltAllSounds();
  EXPECT_FALSE(sound_->isPlaying(platform::kAnyChannel));

  ::testing::internal::CaptureStdout();
  shutDown();
  ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(sound_->calls().back(), "close");
  EXPECT_FALSE(sound_->isOpen());
}

// A silent run (--no-sound) opens the device with no output, so start-up
// goes on, and effects are counted the same.
TEST_F(StartUp, WithoutSoundTheBankStillCountsEveryEffect) {
  ASSERT_FALSE(platform::initPlatform(std::make_unique<platform::HeadlessBackend>(), platform::RunOptions{}).has_value());
  ::testing::internal::CaptureStdout();
  startUp("", false);
  ::testing::internal::GetCapturedStdout();
  EXPECT_TRUE(shell.running);
  EXPECT_TRUE(soundCounters().open);
  resetSoundCounters();
  playSample(Sample::Pickup);
  EXPECT_EQ(soundCounters().plays[static_cast<int>(Sample::Pickup)], 1u);
}

TEST_F(StartUp, LeftoverSaveFilesAreRemovedAndTheRealOnesKept) {
  writeFile("high_scores.dat.saving", "half a table");
  writeFile("settings.dat.saving", "2\r\n");
  start();
  EXPECT_FALSE(std::filesystem::exists("high_scores.dat.saving"));
  EXPECT_FALSE(std::filesystem::exists("settings.dat.saving"));
  EXPECT_EQ(shell.highScores[1].name, "PILOT1");
}

}  // namespace shooter::testing
