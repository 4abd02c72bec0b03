// The craft in real frames: game start, volleys, the fire gate, movement,
// keypad plus, lost lives and game over, a pad-only game, the pause screen.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <vector>

#include "game_fixture.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/name_entry.h"

namespace shooter::testing {

using Player = GameTest;

TEST_F(Player, AGameStartedFromTheInstructionsShowsTheStartBannerForTwoSeconds) {
  startGameFromInstructions();
  EXPECT_EQ(game.score, 0);
  EXPECT_EQ(plays(Sample::EngineLoop), 1u);
  EXPECT_EQ(game.playerX, 320);
  EXPECT_EQ(game.playerY, 360);
  ASSERT_EQ(countCode(pickups, 88), 1);
  EXPECT_FLOAT_EQ(pickups[1].x, 270.0f);
  EXPECT_FLOAT_EQ(pickups[1].y, 230.0f);
  runFor(1.05);
  EXPECT_EQ(countCode(pickups, 88), 1);
  runFor(1.05);
  EXPECT_EQ(countCode(pickups, 88), 0) << "life timer 4 passes 5 on the second tick";
}

struct Shot {
  int x, y, dx, dy, code, damage;
};

TEST_F(Player, EachPowerFiresItsVolley) {
  const std::array<std::vector<Shot>, 5> volleys{{
      {{23, -10, 0, -4, 59, 10}},
      {{23, -10, 0, -4, 60, 20}},
      {{23, -10, 0, -4, 60, 20}, {-8, 10, -4, 0, 62, 10}, {54, 10, 4, 0, 63, 10}},
      {{23, -10, 0, -4, 60, 20}, {-8, 10, -4, 0, 62, 10}, {54, 10, 4, 0, 63, 10}, {23, 36, 0, 4, 61, 20}},
      {{23, -10, 0, -4, 60, 20},
       {-8, 10, -4, 0, 62, 10},
       {54, 10, 4, 0, 63, 10},
       {23, 36, 0, 4, 61, 20},
       {-6, -6, -4, -4, 64, 10},
       {52, -6, 4, -4, 65, 10},
       {-6, 36, -4, 4, 66, 10},
       {52, 36, 4, 4, 67, 10}},
  }};
  startGameFromInstructions();
  holdWaves();
  for (int power = 1; power <= 5; ++power) {
    SCOPED_TRACE(power);
    clearPools();
    game.shootPower = static_cast<std::uint8_t>(power);
    runFor(0.4);
    const auto sounds = plays(Sample::Shot);
    press(key::Space);
    runFrame();
    release(key::Space);
    const auto& expected = volleys[static_cast<std::size_t>(power - 1)];
    ASSERT_EQ(shots.liveCount(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const GameEntity& s = shots[static_cast<int>(i) + 1];
      const Shot& e = expected[i];
      // Fired, then moved once in the same frame.
      EXPECT_FLOAT_EQ(s.x, static_cast<float>(game.playerX + e.x + e.dx)) << i;
      EXPECT_FLOAT_EQ(s.y, static_cast<float>(game.playerY + e.y + e.dy)) << i;
      EXPECT_FLOAT_EQ(s.dx, static_cast<float>(e.dx));
      EXPECT_FLOAT_EQ(s.dy, static_cast<float>(e.dy));
      EXPECT_EQ(s.spriteCode, e.code);
      EXPECT_EQ(s.damage, e.damage);
      EXPECT_EQ(s.side, kPlayerSide);
    }
    EXPECT_EQ(plays(Sample::Shot), sounds + 1) << "one sound per volley";
  }
}

TEST_F(Player, HoldingSpaceFiresAVolleyEveryThirdOfASecondNeverTwoInAFrame) {
  startGameFromInstructions();
  holdWaves();
  runFor(0.4);
  press(key::Space);
  std::vector<double> volleyTimes;
  for (int frame = 0; frame < 150; ++frame) {
    const auto cursor = shots.cursor;
    runFrame();
    const int fired = shots.cursor - cursor;
    ASSERT_LE(fired, 1);
    if (fired == 1) volleyTimes.push_back(shell.frameClock.lastFrameTime);
  }
  ASSERT_GE(volleyTimes.size(), 8u);
  for (std::size_t i = 1; i < volleyTimes.size(); ++i) {
    const double gap = volleyTimes[i] - volleyTimes[i - 1];
    EXPECT_GT(gap, 0.33);
    EXPECT_LT(gap, 0.33 + 0.03) << "the next frame after the gate opens";
  }
}

TEST_F(Player, EscAndSpaceTogetherFireAndPause) {
  startGameFromInstructions();
  holdWaves();
  runFor(0.4);
  press(key::Esc);
  press(key::Space);
  runFrame();
  EXPECT_EQ(shell.screenState, ScreenState::Paused);
  EXPECT_EQ(shots.liveCount(), 1);
}

TEST_F(Player, KeypadPlusBringsTheArrivalUnitAndThenTheBoss) {
  setRow(87, 64, 64, 100, 2);
  setRow(49, 80, 60, 500);
  startGameFromInstructions();
  holdWaves();
  const int before = game.bossTime;
  press(key::KpPlus);
  runFrames(5);
  EXPECT_GE(game.bossTime - before, 10) << "2 a frame";
  while (countCode(surfaceUnits, 87) == 0 && shell.frameClock.now < 20.0) runFrame();
  release(key::KpPlus);
  ASSERT_EQ(countCode(surfaceUnits, 87), 1);
  EXPECT_EQ(game.bossTime, 1);
  int slot = 1;
  while (surfaceUnits[slot].spriteCode != 87) ++slot;
  const GameEntity arrival = surfaceUnits[slot];
  EXPECT_FLOAT_EQ(arrival.y, 32.0f);
  runFor(2.05);  // its two frames, one a second
  EXPECT_EQ(countCode(surfaceUnits, 87), 0);
  ASSERT_EQ(game.bossActive, 1);
  const GameEntity& boss = aircraft[game.bossSlot];
  EXPECT_EQ(boss.spriteCode, 49);
  EXPECT_FLOAT_EQ(boss.x, arrival.x - 7.0f);
  EXPECT_FLOAT_EQ(boss.y, arrival.y - 5.0f);
  EXPECT_EQ(boss.hitPoints, 500);
  EXPECT_EQ(boss.width, 80);
}

class LostLives : public GameTest {
 protected:
  // Puts an enemy shot on the craft with the shield nearly empty.
  void emptyTheShield() {
    game.hp = 10;
    GameEntity& s = put(shots, 200, 68, static_cast<float>(game.playerX + 20), static_cast<float>(game.playerY + 20));
    s.side = kEnemySide;
    runFrames(2);
  }
};

TEST_F(LostLives, TheSecondEmptyShieldEndsTheGameAndTheBannerHandsOver) {
  startGameFromInstructions();
  holdWaves();
  game.shootPower = 3;
  emptyTheShield();
  EXPECT_EQ(game.lives, 1);
  EXPECT_EQ(game.hp, 100);
  EXPECT_EQ(game.shootPower, 1);
  EXPECT_GT(game.blinkCounter, 15);
  EXPECT_EQ(soundCounters().halts, 0u);
  emptyTheShield();
  EXPECT_EQ(game.lives, 0);
  EXPECT_EQ(game.playerX, -10000);
  EXPECT_EQ(soundCounters().halts, 1u);
  EXPECT_EQ(countCode(pickups, 89), 1);
  runFor(3.0);
  EXPECT_EQ(shell.screenState, ScreenState::Playing) << "the banner shows for about four seconds";
  runFor(2.1);
  EXPECT_EQ(shell.screenState, ScreenState::HighScores) << "a score of 0 does not qualify";
  EXPECT_EQ(game.lives, 2) << "the game was reset";
}

TEST_F(LostLives, APadAloneGoesFromTheTitleToASavedName) {
  auto padTap = [this](int k) {
    runFor(0.2);
    headless().pressPadButton(k);
    runFrame();
    headless().releasePadButton(k);
    runFrame();
  };
  runUntil(6.0);
  ASSERT_EQ(shell.screenState, ScreenState::MainMenu);
  padTap(key::Space);  // the south button chooses the first item
  ASSERT_EQ(shell.screenState, ScreenState::Instructions);
  padTap(key::Space);
  ASSERT_EQ(shell.screenState, ScreenState::Playing);
  holdWaves();
  game.score = 5000;
  // Firing and flying left right into the end of the game.
  headless().pressPadButton(key::Space);
  headless().pressPadButton(key::Left);
  emptyTheShield();
  emptyTheShield();
  runFor(5.5);
  ASSERT_EQ(shell.screenState, ScreenState::NameEntry);
  const std::string before = shell.playerName;
  runFor(1.0);
  EXPECT_EQ(shell.playerName, before) << "buttons held from play change nothing";
  headless().releasePadButton(key::Space);
  headless().releasePadButton(key::Left);
  runFrame();
  for (std::size_t i = 0; i < before.size(); ++i) padTap(key::Left);
  ASSERT_EQ(shell.playerName, "");
  padTap(key::Down);
  padTap(key::Right);
  padTap(key::Up);
  EXPECT_EQ(shell.playerName, "BA");
  padTap(key::Enter);  // the east button
  EXPECT_EQ(shell.screenState, ScreenState::HighScores);
  EXPECT_EQ(shell.highScores[1].name, "BA");
  EXPECT_EQ(shell.highScores[1].score, 5000u);
  std::ifstream saved("high_scores.dat", std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(saved), std::istreambuf_iterator<char>()};
  EXPECT_EQ(text.rfind("BA\r\n5000\r\n", 0), 0u) << text;
}

class PauseScreen : public GameTest {
 protected:
  void pause() {
    startGameFromInstructions();
    holdWaves();
    runFor(0.4);
    tap(key::Esc);
    ASSERT_EQ(shell.screenState, ScreenState::Paused);
  }
};

TEST_F(PauseScreen, PauseFreezesTheGameWhileTheSeaScrolls) {
  setRow(3, 32, 32, 10);
  pause();
  GameEntity& plane = put(aircraft, 7, 3, 100.0f, 100.0f);
  plane.dy = 1.0f;
  const int bossTime = game.bossTime;
  std::vector<float> offsets;
  for (int i = 0; i < 80; ++i) {
    runFrame();
    offsets.push_back(game.backdrop.seaOffset);
  }
  EXPECT_FLOAT_EQ(plane.y, 100.0f);
  EXPECT_EQ(game.bossTime, bossTime) << "no second ticks while paused";
  EXPECT_NE(offsets[0], offsets[1]);
  tap(key::Esc);
  EXPECT_EQ(shell.screenState, ScreenState::Playing);
  EXPECT_GT(plane.y, 100.0f);
}

TEST_F(PauseScreen, TheMenuWrapsResumesAndLeavesForTheMainMenu) {
  pause();
  tap(key::Up);
  EXPECT_EQ(shell.menuCursor, 1);
  tap(key::Down);
  EXPECT_EQ(shell.menuCursor, 0);
  tap(key::Enter);
  EXPECT_EQ(shell.screenState, ScreenState::Playing);
  runFor(0.4);
  tap(key::Esc);
  ASSERT_EQ(shell.screenState, ScreenState::Paused);
  game.score = 300;
  tap(key::Down);
  tap(key::Space);
  EXPECT_EQ(shell.screenState, ScreenState::MainMenu);
  EXPECT_EQ(game.score, 0);
  EXPECT_EQ(pickups.liveCount(), 0);
  EXPECT_EQ(soundCounters().halts, 1u);
}

TEST_F(PauseScreen, QEndsTheProgramHereButNotDuringPlay) {
  startGameFromInstructions();
  tap(key::Q);
  EXPECT_TRUE(shell.running);
  runFor(0.4);
  tap(key::Esc);
  tap(key::Q);
  EXPECT_FALSE(shell.running);
}

}  // namespace shooter::testing
