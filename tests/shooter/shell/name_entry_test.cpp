// Typing a name after a high score.
#include "platform/platform.h"
#include "shell_fixture.h"
#include "shooter/game/game_state.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/name_entry.h"

namespace shooter::testing {

namespace key = platform::key;

class NameEntry : public ShellTest {
 protected:
  void enterWithScore(std::int32_t score) {
    start();
    reachMainMenu();
    game.score = score;
    changeScreen(ScreenState::NameEntry);
  }
};

TEST_F(NameEntry, KeysHeldTogetherAppendInTableOrder) {
  enterWithScore(5000);
  runFor(0.2);
  press(key::A);
  press(key::Q);
  runFrame();
  release(key::A);
  release(key::Q);
  EXPECT_EQ(shell.playerName, "QA");
}

TEST_F(NameEntry, NamesStopAtTwelveAndBackspaceRemovesOneAtATime) {
  enterWithScore(5000);
  tap(key::Backspace);
  EXPECT_EQ(shell.playerName, "") << "Backspace on an empty name does nothing";
  for (int i = 0; i < 13; ++i) tap(key::M);
  EXPECT_EQ(shell.playerName, "MMMMMMMMMMMM");
  press(key::Backspace);
  runFor(0.36);
  release(key::Backspace);
  EXPECT_EQ(shell.playerName.size(), 10u) << "held Backspace repeats every 0.175 s";
}

TEST_F(NameEntry, EnterStoresTheScoreSavesTheTableAndShowsIt) {
  enterWithScore(650);
  tap(key::K);
  tap(key::Space);
  tap(key::Digit1);
  tap(key::Enter);
  EXPECT_EQ(shell.screenState, ScreenState::HighScores);
  EXPECT_EQ(shell.highScores[5].name, "K 1");
  EXPECT_EQ(shell.highScores[5].score, 650u);
  EXPECT_EQ(shell.highScores[10].score, 200u);
  EXPECT_EQ(game.score, 0) << "the game was reset";
  const std::string saved = readFile("high_scores.dat");
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 20);
  EXPECT_EQ(parseHighScores(saved)[5].name, "K 1");
}

TEST(TypedText, ApplyCutsAndRemoves) {
  std::string name = "ABCDEFGHIJK";
  applyTypedText(name, "XY");
  EXPECT_EQ(name, "ABCDEFGHIJKX");
  applyTypedText(name, "?");
  EXPECT_EQ(name, "ABCDEFGHIJK");
  std::string empty;
  applyTypedText(empty, "?");
  EXPECT_EQ(empty, "");
}

}  // namespace shooter::testing

namespace shooter::testing {

TEST_F(NameEntry, AFailedSaveIsReportedAndPlayGoesOnWithTheTableInMemory) {
  enterWithScore(5000);
  // A folder in the temporary file's place makes the save fail even for root.
  std::filesystem::create_directory("high_scores.dat.saving");
  tap(platform::key::Z);
  ::testing::internal::CaptureStderr();
  tap(platform::key::Enter);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("high_scores.dat"), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
  EXPECT_EQ(shell.screenState, ScreenState::HighScores);
  EXPECT_EQ(shell.highScores[1].name, "Z");
  EXPECT_EQ(parseHighScores(readFile("high_scores.dat"))[1].name, "PILOT1") << "the old file is untouched";
}

}  // namespace shooter::testing

namespace shooter::testing {

TEST_F(NameEntry, APadSpellsANameWithTheArrows) {
  enterWithScore(5000);
  padTap(key::Down);  // an empty name starts at A, then steps on
  EXPECT_EQ(shell.playerName, "B");
  padTap(key::Up);
  padTap(key::Up);
  EXPECT_EQ(shell.playerName, " ") << "Up from A wraps to the last character";
  padTap(key::Right);
  padTap(key::Down);
  EXPECT_EQ(shell.playerName, " A");
  padTap(key::Left);
  EXPECT_EQ(shell.playerName, " ");
}

TEST_F(NameEntry, TheKeyboardsArrowsDoNothingHere) {
  enterWithScore(5000);
  tap(key::A);
  for (const int arrow : {key::Left, key::Right, key::Up, key::Down}) tap(arrow);
  EXPECT_EQ(shell.playerName, "A");
  press(key::Left);
  runFor(0.2);
  tap(key::B);  // a held arrow neither edits nor holds the key gate shut
  release(key::Left);
  EXPECT_EQ(shell.playerName, "AB");
}

TEST_F(NameEntry, KeysAndButtonsHeldFromBeforeNeverChangeTheName) {
  start();
  reachMainMenu();
  game.score = 5000;
  changeScreen(ScreenState::Nothing);  // a screen that ignores keys, standing in for play
  press(key::Left);
  press(key::Space);
  press(key::Backspace);
  press(key::Enter);
  headless().pressPadButton(key::Down);
  runFrame();
  changeScreen(ScreenState::NameEntry);
  runFor(1.0);
  EXPECT_EQ(shell.playerName, "");
  EXPECT_EQ(shell.screenState, ScreenState::NameEntry) << "a left-over Enter stores nothing";
  tap(key::A);
  tap(key::B);
  tap(key::C);
  EXPECT_EQ(shell.playerName, "ABC") << "Left, Space and Backspace are still held";
  release(key::Space);
  runFrame();
  tap(key::Space);
  EXPECT_EQ(shell.playerName, "ABC ") << "let go and pressed again, a key types";
  release(key::Enter);
  tap(key::Enter);
  EXPECT_EQ(shell.screenState, ScreenState::HighScores);
  EXPECT_EQ(shell.highScores[1].name, "ABC ");
}

TEST_F(NameEntry, FocusLossPausesOnlyARunningGame) {
  enterWithScore(0);
  headless().loseFocus();
  runFrame();
  EXPECT_EQ(shell.screenState, ScreenState::NameEntry);
  changeScreen(ScreenState::Playing);
  runFrame();
  EXPECT_EQ(shell.screenState, ScreenState::Playing) << "the request was used up on the other screen";
  headless().loseFocus();
  runFrame();
  EXPECT_EQ(shell.screenState, ScreenState::Paused);
}

}  // namespace shooter::testing
