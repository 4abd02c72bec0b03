// The free-slot search of the pools and the reset of a game.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace shooter::testing {

namespace {

template <int Last>
void fill(Pool<Last>& pool, int from, int to) {
  for (int i = from; i <= to; ++i) pool[i].active = 1;
}

}  // namespace

TEST(FindFreeSlot, TheCursorTrailsAndNeverWraps) {
  UnitPool pool;
  fill(pool, 1, 50);
  EXPECT_EQ(findFreeSlot(pool), 51);
  EXPECT_EQ(pool.cursor, 2) << "one step on, not past the slot handed out";
  fill(pool, 51, 100);
  pool[5].active = 0;
  pool.cursor = 10;
  EXPECT_EQ(findFreeSlot(pool), 1) << "slot 5 lies below the cursor; slot 1 is handed out in use";
  EXPECT_EQ(pool.cursor, 1);
  EXPECT_EQ(findFreeSlot(pool), 5) << "after the fall-back the scan starts at 1";
  pool[100].active = 0;
  pool.cursor = 100;
  EXPECT_EQ(findFreeSlot(pool), 100);
  EXPECT_EQ(pool.cursor, 101);
  EXPECT_EQ(findFreeSlot(pool), 1) << "a cursor past the end gives slot 1 at once";
}

TEST(FindFreeSlot, ShotsScanToTwoHundredTheOthersToOneHundred) {
  ShotPool shotPool;
  fill(shotPool, 1, 199);
  EXPECT_EQ(findFreeSlot(shotPool), 200);
  UnitPool unitPool;
  fill(unitPool, 1, 100);
  EXPECT_EQ(findFreeSlot(unitPool), 1);
}

using Reset = GameTest;

TEST_F(Reset, ResetGameEmptiesEveryPoolAndRestoresTheStartValues) {
  for (int i = 1; i <= 100; ++i) surfaceUnits[i].active = explosions[i].active = pickups[i].active = 1;
  for (int i = 1; i <= 200; ++i) shots[i].active = 1;
  shots.cursor = 150;
  game.lives = 4;
  game.shootPower = 5;
  game.score = 900;
  game.wave1Threshold = 7;
  resetGame();
  EXPECT_EQ(surfaceUnits.liveCount() + shots.liveCount() + explosions.liveCount() + pickups.liveCount(), 0);
  EXPECT_EQ(shots.cursor, 1);
  EXPECT_EQ(game.lives, 2);
  EXPECT_EQ(game.shootPower, 1);
  EXPECT_EQ(game.score, 0);
  EXPECT_EQ(game.wave1Threshold, 50);
  EXPECT_EQ(game.playerX, 320);
}

}  // namespace shooter::testing
