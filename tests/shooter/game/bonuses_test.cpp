// Which bonus drops, what collecting each does, destroy-all and lifetimes.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "game_fixture.h"
#include "shooter/game/bonuses.h"
#include "shooter/game/collisions.h"
#include "shooter/game/pool_update.h"

namespace shooter::testing {

class Bonuses : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    clearPools();
    game.playerX = 200;
    game.playerY = 300;
  }
  // Flies the craft into an item of `code` in one collision pass.
  void collect(std::uint8_t code) {
    clearPools();
    put(pickups, 1, code, 210.0f, 310.0f);
    pass();
  }
  static void pass() {
    game.timers.lastCollisionPass = -1.0;
    collisionPass();
  }
};

TEST_F(Bonuses, TheDropIsWhatThePlayerLacksMost) {
  game.hp = 69;
  game.shootPower = 1;
  EXPECT_EQ(chooseBonus(), kBonusRepair);
  game.hp = 70;
  EXPECT_EQ(chooseBonus(), kBonusPowerUp);
  game.shootPower = 5;
  game.lives = 1;
  EXPECT_EQ(chooseBonus(), kBonusExtraLife);
  game.lives = 2;
  std::set<int> kinds;
  for (int i = 0; i < 100; ++i) kinds.insert(chooseBonus());
  EXPECT_EQ(kinds, (std::set<int>{kBonusDestroyAll, kBonusResetBoss}));
}

TEST_F(Bonuses, EachItemTakesEffectWithThePickupSound) {
  game.lives = 2;
  collect(kBonusExtraLife);
  EXPECT_EQ(game.lives, 3);
  EXPECT_EQ(pickups.liveCount(), 0);
  game.lives = 5;
  collect(kBonusExtraLife);
  EXPECT_EQ(game.lives, 5) << "no sixth life";
  game.shootPower = 4;
  collect(kBonusPowerUp);
  EXPECT_EQ(game.shootPower, 5);
  collect(kBonusPowerUp);
  EXPECT_EQ(game.shootPower, 5);
  game.hp = 30;
  collect(kBonusRepair);
  EXPECT_EQ(game.hp, 100);
  game.bossTime = 90;
  collect(kBonusResetBoss);
  EXPECT_EQ(game.bossTime, 0);
  collect(88);  // the start banner: taken away, no effect
  EXPECT_EQ(pickups.liveCount(), 0);
  EXPECT_EQ(plays(Sample::Pickup), 7u);
  put(pickups, 1, kBonusRepair, 300.0f, 310.0f);  // outside the box: Px + 64
  pass();
  EXPECT_EQ(pickups.liveCount(), 1);
}

TEST_F(Bonuses, DestroyAllSparesSceneryAndTakesTheBossWithoutScore) {
  setRow(49, 80, 60, 500);
  setRow(56, 40, 40, 50);
  for (const int code : {50, 51, 52}) put(surfaceUnits, code - 49, static_cast<std::uint8_t>(code), 10.0f, 10.0f);
  put(surfaceUnits, 10, 53, 100.0f, 100.0f);
  put(surfaceUnits, 11, 56, 100.0f, 100.0f);
  put(aircraft, 10, 3, 150.0f, 150.0f);
  put(aircraft, 11, 49, 200.0f, 100.0f);
  put(aircraft, 12, 52, 250.0f, 100.0f);
  game.score = 40;
  game.playerY = 400;  // away from every unit
  put(pickups, 1, kBonusDestroyAll, 210.0f, 410.0f);
  pass();
  EXPECT_EQ(surfaceUnits.liveCount(), 3);
  EXPECT_EQ(countCode(surfaceUnits, 50) + countCode(surfaceUnits, 51) + countCode(surfaceUnits, 52), 3);
  EXPECT_EQ(aircraft.liveCount(), 0);
  EXPECT_EQ(game.score, 40);
  EXPECT_EQ(pickups.liveCount(), 0) << "no bonus drops";
  EXPECT_EQ(countCode(explosions, 70), 2) << "the low surface unit and the light plane";
  EXPECT_EQ(countCode(explosions, 71), 3) << "the gun, the boss and aircraft 52";
  // The boss's blast is centred on it.
  bool centred = false;
  for (int i = 1; i <= 100; ++i) {
    centred |= explosions[i].active == 1 && explosions[i].x == 200.0f + (80 - 64) / 2.0f &&
               explosions[i].y == 100.0f + (60 - 64) / 2.0f;
  }
  EXPECT_TRUE(centred);
}

TEST_F(Bonuses, ItemsStayFiveToSixSecondsAndLoopTheirFrames) {
  setRow(80, 32, 32, 0, 3);
  dropBonus(10.0f, 10.0f);
  GameEntity& item = pickups[1];
  std::vector<int> frames;
  for (int i = 0; i < 4; ++i) {
    tenthTickAnimations();
    frames.push_back(item.frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{2, 3, 1, 2}));
  for (int s = 1; s <= 5; ++s) {
    EXPECT_FALSE(agePickups());
    EXPECT_EQ(item.active, 1) << s;
  }
  EXPECT_FALSE(agePickups());
  EXPECT_EQ(item.active, 0);
}

TEST_F(Bonuses, TheGameEndsEvenWhenALaterItemOverwroteTheBanner) {
  game.lives = 0;
  put(pickups, 1, 89, 270.0f, 220.0f).lifeTimer = 2;
  EXPECT_FALSE(agePickups());
  pickups.cursor = 101;   // the free-slot search falls back to slot 1...
  dropBonus(0.0f, 0.0f);  // ...and the drop overwrites the banner
  ASSERT_EQ(countCode(pickups, 89), 0);
  EXPECT_TRUE(agePickups());
}

}  // namespace shooter::testing
