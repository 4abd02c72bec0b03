// The free-slot search of the pools and the reset of a game.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "shooter/game/enemy_catalogue.h"

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
  auto fillAll = [](auto& pool) {
    for (int i = 1; i <= pool.kLast; ++i) pool[i].active = 1;
    pool.cursor = 90;
  };
  fillAll(surfaceUnits);
  fillAll(aircraft);
  fillAll(shots);
  fillAll(explosions);
  fillAll(pickups);
  game.lives = 4;
  game.shootPower = 5;
  game.score = 900;
  game.wave1Threshold = 7;
  game.timers.lastCollisionPass = 99.0;
  game.overReady = true;
  game.shotColumnsOn = false;
  game.backdrop = Backdrop{-40.0f, 1, 2};
  resetGame();
  auto expectEmpty = [](const auto& pool, const char* name) {
    EXPECT_EQ(pool.liveCount(), 0) << name;
    EXPECT_EQ(pool.cursor, 1) << name;
  };
  expectEmpty(surfaceUnits, "surface units");
  expectEmpty(aircraft, "aircraft");
  expectEmpty(shots, "shots");
  expectEmpty(explosions, "explosions");
  expectEmpty(pickups, "pickups");
  EXPECT_EQ(game.lives, 2);
  EXPECT_EQ(game.shootPower, 1);
  EXPECT_EQ(game.score, 0);
  EXPECT_EQ(game.wave1Threshold, 50);
  EXPECT_EQ(game.playerX, 320);
  EXPECT_EQ(game.timers.lastCollisionPass, 0.0);
  EXPECT_FALSE(game.overReady);
  EXPECT_TRUE(game.shotColumnsOn);
  // A new game goes on with the sea and the propeller as they were; only
  // start-up sets them back.
  EXPECT_EQ(game.backdrop.seaOffset, -40.0f);
  EXPECT_EQ(game.backdrop.seaPhase, 1);
  EXPECT_EQ(game.backdrop.propellerPhase, 2);
  useEnemyKinds(std::span(kEnemyKinds).first(3), std::span<const WaveKind>{});
  resetGame(GameReset::Everything);
  EXPECT_EQ(enemyCatalogue.kinds.size(), kEnemyKinds.size()) << "start-up plays the shipped kinds";
  EXPECT_EQ(enemyCatalogue.waves.size(), kWaveKinds.size());
  EXPECT_EQ(enemyKind(kGunTurret).fire, FirePattern::Aimed);
  EXPECT_EQ(game.backdrop.seaOffset, -32.0f);
  EXPECT_EQ(game.backdrop.seaPhase, 0);
  EXPECT_EQ(game.backdrop.propellerPhase, 0);
}

}  // namespace shooter::testing
