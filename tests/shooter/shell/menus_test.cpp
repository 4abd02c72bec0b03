// The main menu, credits, high scores and instructions screens.
#include "platform/platform.h"
#include "shell_fixture.h"
#include "shooter/game/game_state.h"
#include "shooter/shell/demo_plane.h"

#include <algorithm>

namespace shooter::testing {

using Menus = ShellTest;
namespace key = platform::key;

TEST_F(Menus, HoldingDownMovesOneItemEvery175MsAndWraps) {
  start();
  reachMainMenu();
  press(key::Down);
  runFrame();
  EXPECT_EQ(menuCursor, 1);
  runFor(0.16);
  EXPECT_EQ(menuCursor, 1) << "the key gate holds a repeat back";
  runFor(0.04);
  EXPECT_EQ(menuCursor, 2);
  runFor(0.55);
  EXPECT_EQ(menuCursor, 0) << "from the fifth item back to the first";
  release(key::Down);
  tap(key::Up);
  EXPECT_EQ(menuCursor, 4);
}

TEST_F(Menus, ItemsOpenTheirScreensAndEnterComesBack) {
  start();
  reachMainMenu();
  tap(key::Down);
  tap(key::Down);
  tap(key::Enter);
  EXPECT_EQ(screenState, ScreenState::Credits);
  tap(key::Enter);
  EXPECT_EQ(screenState, ScreenState::MainMenu);
  tap(key::Down);
  tap(key::Space);
  EXPECT_EQ(screenState, ScreenState::HighScores);
  tap(key::Esc);
  EXPECT_EQ(screenState, ScreenState::MainMenu);
  EXPECT_EQ(running, 1) << "Esc on the table only leaves it";
}

TEST_F(Menus, EscAndTheLastItemEndTheProgram) {
  start();
  reachMainMenu();
  tap(key::Esc);
  EXPECT_EQ(running, 0);
  restart();
  start();
  reachMainMenu();
  tap(key::Up);
  tap(key::Ctrl);
  EXPECT_EQ(running, 0);
}

TEST_F(Menus, InstructionsIgnoreEscAndCtrl) {
  start();
  reachMainMenu();
  tap(key::Enter);
  ASSERT_EQ(screenState, ScreenState::Instructions);
  tap(key::Esc);
  tap(key::Ctrl);
  EXPECT_EQ(screenState, ScreenState::Instructions);
  EXPECT_EQ(running, 1);
}

TEST_F(Menus, TheMenuPlacesTheCraftAndTheDemoPlaneTurnsAtItsBounds) {
  start();
  reachMainMenu();
  EXPECT_EQ(game.playerY, 360);
  double lowest = 1e9, highest = -1e9;
  int turns = 0;
  double lastSpeed = demoPlane.speed;
  for (int i = 0; i < 600; ++i) {
    runFrame();
    lowest = std::min(lowest, demoPlane.x);
    highest = std::max(highest, demoPlane.x);
    if (demoPlane.speed != lastSpeed) ++turns;
    lastSpeed = demoPlane.speed;
  }
  EXPECT_GE(turns, 2);
  EXPECT_GT(highest, 640 - 164);
  EXPECT_LE(highest, 640 - 164 + 2);
  EXPECT_LT(lowest, 100);
  EXPECT_GE(lowest, 98);
}

TEST_F(Menus, StateSevenDrawsNothingAndIgnoresKeys) {
  start();
  reachMainMenu();
  screenState = ScreenState::Nothing;
  press(key::Esc);
  runFor(0.5);
  EXPECT_EQ(running, 1);
  EXPECT_EQ(screenState, ScreenState::Nothing);
}

}  // namespace shooter::testing
