// The main menu, credits, high scores and instructions screens, and the
// sprite-font texts of every screen.
#include "platform/platform.h"
#include "shell_fixture.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/demo_plane.h"
#include "shooter/shell/settings.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace shooter::testing {

using Menus = ShellTest;
namespace key = platform::key;

TEST_F(Menus, HoldingDownMovesOneItemEvery175MsAndWraps) {
  start();
  reachMainMenu();
  press(key::Down);
  runFrame();
  EXPECT_EQ(shell.menuCursor, 1);
  runFor(0.16);
  EXPECT_EQ(shell.menuCursor, 1) << "the key gate holds a repeat back";
  runFor(0.04);
  EXPECT_EQ(shell.menuCursor, 2);
  runFor(0.55);
  EXPECT_EQ(shell.menuCursor, 0) << "from the fifth item back to the first";
  release(key::Down);
  tap(key::Up);
  EXPECT_EQ(shell.menuCursor, 4);
}

TEST_F(Menus, ItemsOpenTheirScreensAndEnterComesBack) {
  start();
  reachMainMenu();
  tap(key::Down);
  tap(key::Down);
  tap(key::Enter);
  EXPECT_EQ(shell.screenState, ScreenState::Credits);
  tap(key::Enter);
  EXPECT_EQ(shell.screenState, ScreenState::MainMenu);
  tap(key::Down);
  tap(key::Space);
  EXPECT_EQ(shell.screenState, ScreenState::HighScores);
  tap(key::Esc);
  EXPECT_EQ(shell.screenState, ScreenState::MainMenu);
  EXPECT_TRUE(shell.running) << "Esc on the table only leaves it";
}

TEST_F(Menus, EscAndTheLastItemEndTheProgram) {
  start();
  reachMainMenu();
  tap(key::Esc);
  EXPECT_FALSE(shell.running);
  restart();
  start();
  reachMainMenu();
  tap(key::Up);
  tap(key::Ctrl);
  EXPECT_FALSE(shell.running);
}

TEST_F(Menus, InstructionsIgnoreEscAndCtrl) {
  start();
  reachMainMenu();
  tap(key::Enter);
  ASSERT_EQ(shell.screenState, ScreenState::Instructions);
  tap(key::Esc);
  tap(key::Ctrl);
  EXPECT_EQ(shell.screenState, ScreenState::Instructions);
  EXPECT_TRUE(shell.running);
}

TEST_F(Menus, TheDemoPlaneTurnsAtItsBounds) {
  start();
  reachMainMenu();
  double lowest = 1e9, highest = -1e9;
  int turns = 0;
  double lastSpeed = shell.demoPlane.speed;
  for (int i = 0; i < 600; ++i) {
    runFrame();
    lowest = std::min(lowest, shell.demoPlane.x);
    highest = std::max(highest, shell.demoPlane.x);
    if (shell.demoPlane.speed != lastSpeed) ++turns;
    lastSpeed = shell.demoPlane.speed;
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
  changeScreen(ScreenState::Nothing);
  press(key::Esc);
  runFor(0.5);
  EXPECT_TRUE(shell.running);
  EXPECT_EQ(shell.screenState, ScreenState::Nothing);
}

}  // namespace shooter::testing

namespace shooter::testing {

namespace {

struct DrawnText {
  int x;
  std::string text;
};
std::vector<DrawnText> drawnTexts;

void collectText(int x, int, std::string_view text) { drawnTexts.push_back({x, std::string(text)}); }

}  // namespace

// Every screen's texts, at both screen sizes, use only letters the sprite
// font has (others draw one stray pixel) and end inside the screen.
TEST_F(Menus, EveryScreenWritesOnlyLettersTheFontHasInsideTheScreen) {
  for (const char* file : {"1\r\n0\r\n96\r\n50\r\n1\r\n20\r\n", kDefaultSettings}) {
    writeFile("settings.dat", file);
    start();
    reachMainMenu();
    drawnTexts.clear();
    setDrawTextObserver(collectText);
    for (const auto state : {ScreenState::MainMenu, ScreenState::Instructions, ScreenState::Credits,
                             ScreenState::HighScores, ScreenState::NameEntry}) {
      changeScreen(state);
      runFrame();
    }
    changeScreen(ScreenState::Options);
    for (std::uint8_t variant = 0; variant < 12; ++variant) {
      shell.working.resolution = variant % 3;
      shell.working.fullScreen = variant / 3 % 2;
      shell.working.collisionType = variant / 6;
      runFrame();
    }
    shell.working.resolution = shell.settings.resolution;
    changeScreen(ScreenState::Instructions);
    tap(key::Enter);
    ASSERT_EQ(shell.screenState, ScreenState::Playing);
    runFor(2.5);  // past the start banner
    tap(key::Esc);
    ASSERT_EQ(shell.screenState, ScreenState::Paused);
    setDrawTextObserver(nullptr);

    EXPECT_GT(drawnTexts.size(), 40u);
    for (const auto& drawn : drawnTexts) {
      for (const char c : drawn.text) {
        EXPECT_TRUE(fontHasGlyph(c)) << "'" << c << "' in \"" << drawn.text << "\"";
      }
      EXPECT_LE(drawn.x + textWidth(drawn.text), platform::screenWidth()) << "\"" << drawn.text << "\" at " << platform::screenWidth();
    }
    restart();
  }
}

TEST(SpriteFontLetters, AreTheCapitalsDigitsSpaceAndFourMarks) {
  for (const char c : std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .:;!")) EXPECT_TRUE(fontHasGlyph(c)) << c;
  for (const char c : std::string_view("+,-?a")) EXPECT_FALSE(fontHasGlyph(c)) << c;
}

}  // namespace shooter::testing
