// Taps shorter than a frame reach `shooter`: pressed and let go between two
// drawn frames, a key is held for the next frame and for no other.
#include "platform/platform.h"
#include "shell_fixture.h"

namespace shooter::testing {

using ShortTaps = ShellTest;
namespace key = platform::key;

namespace {

// Both changes reach the platform in one pump, between two drawn frames.
void tapBetweenFrames(platform::HeadlessBackend& backend, int scancode) {
  backend.pressKey(scancode);
  backend.releaseKey(scancode);
}

}  // namespace

TEST_F(ShortTaps, AnEscTapBetweenTwoFramesPausesThePlayAndNothingMore) {
  start();
  reachMainMenu();
  changeScreen(ScreenState::Instructions);
  tap(key::Enter);
  ASSERT_EQ(shell.screenState, ScreenState::Playing);
  runFor(2.5);  // past the start banner and the key gate
  runFrame();
  tapBetweenFrames(headless(), key::Esc);
  runFrame();
  EXPECT_EQ(shell.screenState, ScreenState::Paused);
  runFor(0.5);
  EXPECT_EQ(shell.screenState, ScreenState::Paused) << "the pause box must not read the same tap as its own Esc";
}

TEST_F(ShortTaps, ADownTapInTheMenuMovesTheCursorOnce) {
  start();
  reachMainMenu();
  runFor(0.2);  // the menu's key gate is open
  const int before = shell.menuCursor;
  tapBetweenFrames(headless(), key::Down);
  runFrame();
  EXPECT_EQ(shell.menuCursor, before + 1);
  runFor(0.5);
  EXPECT_EQ(shell.menuCursor, before + 1);
}

}  // namespace shooter::testing
