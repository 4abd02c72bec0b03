// The options screen: item cycles, Esc, ACCEPT and CANCEL.
#include "platform/platform.h"
#include "shell_fixture.h"
#include "shooter/resources/sound_bank.h"
#include "shooter/shell/settings.h"

namespace shooter::testing {

namespace key = platform::key;

class Options : public ShellTest {
 protected:
  void openOptions() {
    reachMainMenu();
    tap(key::Down);
    tap(key::Enter);
    ASSERT_EQ(shell.screenState, ScreenState::Options);
  }
  void choose(int item) {
    while (shell.menuCursor != item) tap(key::Down);
    tap(key::Enter);
  }
};

TEST_F(Options, ResolutionFromZeroGoesToSmallAndNeverBack) {
  writeFile("settings.dat", "0\r\n0\r\n96\r\n50\r\n1\r\n20\r\n");
  start();
  openOptions();
  choose(0);
  EXPECT_EQ(shell.working.resolution, 1);
  choose(0);
  EXPECT_EQ(shell.working.resolution, 2);
  choose(0);
  EXPECT_EQ(shell.working.resolution, 1);
}

TEST_F(Options, CollisionRateCyclesFromAnOddFileValue) {
  writeFile("settings.dat", "2\r\n0\r\n96\r\n50\r\n1\r\n25\r\n");
  start();
  openOptions();
  int seen[4];
  for (int& v : seen) {
    choose(4);
    v = shell.working.collisionRate;
  }
  EXPECT_EQ(seen[0], 35);
  EXPECT_EQ(seen[1], 45);
  EXPECT_EQ(seen[2], 55);
  EXPECT_EQ(seen[3], 15);
  writeFile("settings.dat", "2\r\n0\r\n96\r\n50\r\n1\r\n50\r\n");
  restart();
  start();
  openOptions();
  choose(4);
  EXPECT_EQ(shell.working.collisionRate, 10) << "from 50 back to 10";
}

TEST_F(Options, VolumeWrapsAfter128AndPreviewsEveryStep) {
  writeFile("settings.dat", "2\r\n0\r\n0\r\n50\r\n1\r\n20\r\n");
  start();
  openOptions();
  resetSoundCounters();
  for (int i = 0; i < 9; ++i) choose(5);
  EXPECT_EQ(shell.settings.volume, 0);
  EXPECT_EQ(soundCounters().plays[static_cast<int>(Sample::Pickup)], 9u);
  EXPECT_EQ(soundCounters().volumeChanges, 9u);
  choose(5);
  EXPECT_EQ(soundCounters().volume, 16);
  for (int channel = 0; channel < 16; ++channel) ASSERT_EQ(sound_->volumeOf(channel), 16) << channel;
}

TEST_F(Options, EscKeepsTheFpsEditButRestoresTheScreenChoice) {
  start();
  openOptions();
  choose(2);
  EXPECT_EQ(shell.working.desiredFps, 33);
  choose(0);
  choose(1);
  tap(key::Esc);
  EXPECT_EQ(shell.screenState, ScreenState::MainMenu);
  EXPECT_EQ(shell.menuCursor, 0);
  EXPECT_EQ(shell.working.resolution, 2);
  EXPECT_EQ(shell.working.fullScreen, 0);
  EXPECT_EQ(shell.working.desiredFps, 33) << "the edited rate stays in its working copy";
  tap(key::Down);
  tap(key::Enter);
  choose(6);
  EXPECT_EQ(readFile("settings.dat"), "2\r\n0\r\n96\r\n33\r\n1\r\n20\r\n");
}

// ACCEPT sets the nominal frame length but leaves the frame interval and the
// sleep alone: the once-a-second correction walks the interval to the new rate.
TEST_F(Options, AnAcceptedRateEasesInThroughThePacingCorrection) {
  start();
  openOptions();
  choose(2);
  choose(6);
  ASSERT_EQ(shell.screenState, ScreenState::MainMenu);
  EXPECT_EQ(shell.frameClock.msPerFrame, 30);
  EXPECT_EQ(shell.frameClock.sleepMs, 5) << "a quarter of the start-up frame";
  EXPECT_LT(shell.frameClock.frameInterval, 0.021) << "no jump to 1/33 s";
  const double accepted = shell.frameClock.frameInterval;
  runFor(5.0);
  EXPECT_GT(shell.frameClock.frameInterval, accepted + 0.003) << "0.001 s a second towards 1/33 s";
  EXPECT_LT(shell.frameClock.frameInterval, 1.0 / 33);
}

TEST_F(Options, AcceptReopensTheScreenAndRewritesTheFile) {
  writeFile("settings.dat", "2,0,64,50,1,20");
  start();
  const int opens = headless().windowOpenCount();
  openOptions();
  choose(6);
  EXPECT_EQ(headless().windowOpenCount(), opens + 1);
  EXPECT_EQ(readFile("settings.dat"), "2\r\n0\r\n64\r\n50\r\n1\r\n20\r\n");
  EXPECT_EQ(shell.screenState, ScreenState::MainMenu);
  tap(key::Down);
  tap(key::Enter);
  choose(0);
  choose(1);
  choose(3);
  choose(6);
  EXPECT_EQ(platform::screenWidth(), 512);
  EXPECT_EQ(headless().windowWidth(), 512);
  EXPECT_TRUE(headless().fullScreen());
  EXPECT_EQ(readFile("settings.dat"), "1\r\n1\r\n64\r\n50\r\n0\r\n20\r\n");
}

TEST_F(Options, CancelRestoresEveryWorkingCopy) {
  start();
  openOptions();
  choose(2);
  choose(3);
  choose(4);
  choose(7);
  EXPECT_EQ(shell.screenState, ScreenState::MainMenu);
  EXPECT_EQ(shell.working.desiredFps, 50);
  EXPECT_EQ(shell.working.collisionType, 1);
  EXPECT_EQ(shell.working.collisionRate, 20);
  EXPECT_EQ(readFile("settings.dat"), kDefaultSettings) << "CANCEL writes nothing";
}

TEST_F(Options, CursorWrapsOverEightItems) {
  start();
  openOptions();
  EXPECT_EQ(shell.menuCursor, 1) << "the main menu's cursor carries over";
  tap(key::Up);
  tap(key::Up);
  EXPECT_EQ(shell.menuCursor, 7);
  tap(key::Down);
  EXPECT_EQ(shell.menuCursor, 0);
}

}  // namespace shooter::testing
