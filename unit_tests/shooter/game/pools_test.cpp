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

TEST(FindFreeSlot, AFullPoolHandsOutSlotOneAgain) {
  UnitPool pool;
  fill(pool, 1, 100);
  pool.cursor = 37;
  EXPECT_EQ(findFreeSlot(pool), 1);
  EXPECT_EQ(pool.cursor, 1);
}

TEST(FindFreeSlot, TheCursorTrailsTheSlotItHandsOut) {
  UnitPool pool;
  fill(pool, 1, 50);
  EXPECT_EQ(findFreeSlot(pool), 51);
  EXPECT_EQ(pool.cursor, 2);
  pool[51].active = 1;
  pool[30].active = 0;  // the scan from the cursor, 2, reaches it first
  EXPECT_EQ(findFreeSlot(pool), 30);
  EXPECT_EQ(pool.cursor, 3);
}

TEST(FindFreeSlot, FreeSlotsBelowTheCursorWaitForTheWrap) {
  UnitPool pool;
  fill(pool, 1, 100);
  pool[5].active = 0;
  pool.cursor = 10;
  EXPECT_EQ(findFreeSlot(pool), 1) << "slot 5 lies below the cursor";
  EXPECT_EQ(findFreeSlot(pool), 5) << "after the wrap the scan starts at 1";
}

TEST(FindFreeSlot, PastTheLastSlotTheNextCallGivesSlotOneWithoutScanning) {
  UnitPool pool;
  pool.cursor = 100;
  EXPECT_EQ(findFreeSlot(pool), 100);
  EXPECT_EQ(pool.cursor, 101);
  pool[1].active = 1;
  EXPECT_EQ(findFreeSlot(pool), 1) << "slot 1 in use, handed out anyway";
  EXPECT_EQ(pool.cursor, 1);
}

TEST(FindFreeSlot, ShotsScanToTwoHundredTheOthersToOneHundred) {
  ShotPool shotPool;
  fill(shotPool, 1, 199);
  EXPECT_EQ(findFreeSlot(shotPool), 200);
  shotPool[200].active = 1;
  EXPECT_EQ(findFreeSlot(shotPool), 1) << "the cursor is at 2, slot 200 now taken: past the end";
  UnitPool unitPool;
  fill(unitPool, 1, 100);
  EXPECT_EQ(findFreeSlot(unitPool), 1);
  EXPECT_EQ(unitPool.slots.size(), 101u);
}

using Reset = GameTest;

TEST_F(Reset, ResetGameEmptiesEveryPoolAndRestoresTheStartValues) {
  for (int i = 1; i <= 100; ++i) {
    surfaceUnits[i].active = aircraft[i].active = explosions[i].active = pickups[i].active = 1;
  }
  for (int i = 1; i <= 200; ++i) shots[i].active = 1;
  shots.cursor = 150;
  game.lives = 4;
  game.hp = 3;
  game.shootPower = 5;
  game.score = 900;
  game.bossTime = 99;
  game.wave1Threshold = 7;
  game.enemyFireInterval = 2;
  resetGame();
  EXPECT_EQ(surfaceUnits.liveCount() + aircraft.liveCount() + shots.liveCount() + explosions.liveCount() +
                pickups.liveCount(),
            0);
  EXPECT_EQ(shots.cursor, 1);
  EXPECT_EQ(game.lives, 2);
  EXPECT_EQ(game.hp, 100);
  EXPECT_EQ(game.shootPower, 1);
  EXPECT_EQ(game.score, 0);
  EXPECT_EQ(game.bossTime, 0);
  EXPECT_EQ(game.wave1Threshold, 50);
  EXPECT_EQ(game.enemyFireInterval, 3);
  EXPECT_EQ(game.playerX, 320);
}

}  // namespace shooter::testing
