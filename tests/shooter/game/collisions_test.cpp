// The collision pass in both modes, damage, kills and the pixel test.
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <tuple>
#include <vector>

#include "game_fixture.h"
#include "shooter/game/collisions.h"
#include "shooter/game/pixel_test.h"

namespace shooter::testing {

class Collisions : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    clearPools();
    game.playerX = 200;
    game.playerY = 300;
    setRow(47, 40, 40, 30, 1, 0, 0);    // bomber, at sheet (0, 0)
    setRow(58, 40, 40, 60, 1, 0, 0);    // surface gun
    setRow(59, 8, 8, 0, 1, 100, 0);     // player shot, at sheet (100, 0)
    setRow(68, 8, 8, 0, 1, 100, 0);     // enemy shot
    setRow(50, 64, 64, 0, 1, 0, 0);     // scenery
    setRow(3, 32, 32, 5, 1, 0, 0);      // light plane
    setRow(45, 40, 40, 20, 1, 0, 0);    // gunship
    game.timers.lastCollisionPass = -1.0;
  }
  static void pass() {
    game.timers.lastCollisionPass = -1.0;
    collisionPass();
  }
  static GameEntity& playerShot(int slot, float x, float y) {
    GameEntity& s = put(shots, slot, 59, x, y);
    s.side = kPlayerSide;
    s.damage = 10;
    return s;
  }
};

TEST_F(Collisions, AnEnemyShotCostsTenShieldAndARammedUnitFortyAndFifty) {
  GameEntity& s = put(shots, 5, 68, 210.0f, 310.0f);
  s.side = kEnemySide;
  s.damage = 99;
  pass();
  EXPECT_EQ(game.hp, 90) << "always 10, whatever the shot's damage";
  EXPECT_EQ(s.active, 0);
  EXPECT_EQ(countCode(explosions, 70), 1);

  GameEntity& bomber = put(aircraft, 3, 47, 220.0f, 310.0f);
  bomber.hitPoints = 200;
  GameEntity& gun = put(surfaceUnits, 4, 58, 180.0f, 290.0f);
  gun.hitPoints = 200;
  pass();
  EXPECT_EQ(game.hp, 10);
  EXPECT_EQ(bomber.hitPoints, 150);
  EXPECT_EQ(gun.hitPoints, 150);
  EXPECT_EQ(countCode(explosions, 70), 5) << "contact and damage blasts for each unit";
}

TEST_F(Collisions, SceneryAndHighAircraftCodesNeverCollide) {
  put(surfaceUnits, 1, 50, 200.0f, 300.0f);
  put(surfaceUnits, 2, 52, 200.0f, 300.0f);
  put(aircraft, 1, 52, 200.0f, 300.0f).width = 64;
  aircraft[1].height = 64;
  playerShot(1, 210.0f, 310.0f);
  pass();
  EXPECT_EQ(game.hp, 100);
  EXPECT_EQ(surfaceUnits.liveCount(), 2);
  EXPECT_EQ(aircraft.liveCount(), 1);
  EXPECT_EQ(shots[1].active, 1);
}

TEST_F(Collisions, BoxesAloneHitWherePixelsMiss) {
  solid(301, 112, 332, 161);  // the craft is solid in its left half only
  solid(0, 0, 39, 39);        // the bomber everywhere
  // Any setting but 0 is the pixel test, as the options screen shows it.
  for (const int type : {0, 1, 2, 255}) {
    SCOPED_TRACE(type);
    const bool perPixel = type != 0;
    collisionType(static_cast<std::uint8_t>(type));
    game.hp = 100;
    clearPools();
    put(aircraft, 1, 47, 240.0f, 300.0f).hitPoints = 500;  // overlaps the right half
    pass();
    EXPECT_EQ(game.hp, perPixel ? 100 : 60);
  }
  // Reaching into the solid half: the blast sits at the first solid pair,
  // row by row, less 16.
  clearPools();
  put(aircraft, 1, 47, 220.0f, 305.0f).hitPoints = 500;
  pass();
  EXPECT_EQ(game.hp, 60);
  EXPECT_FLOAT_EQ(explosions[1].x, 220.0f - 16.0f);
  EXPECT_FLOAT_EQ(explosions[1].y, 305.0f - 16.0f);
}

TEST_F(Collisions, PlayerShotsInBothModes) {
  solid(0, 20, 39, 39);     // the bomber's lower half
  solid(100, 0, 107, 7);    // the shot
  for (const int type : {0, 1, 2}) {
    SCOPED_TRACE(type);
    const bool perPixel = type != 0;
    collisionType(static_cast<std::uint8_t>(type));
    clearPools();
    GameEntity& bomber = put(aircraft, 1, 47, 400.0f, 100.0f);
    bomber.hitPoints = 100;
    playerShot(1, 410.0f, 105.0f);  // over the empty upper half
    pass();
    EXPECT_EQ(bomber.hitPoints, perPixel ? 100 : 90);
    playerShot(2, 410.3f, 115.0f);  // reaches into the solid half
    pass();
    EXPECT_EQ(bomber.hitPoints, perPixel ? 90 : 80);
    const GameEntity& blast = explosions[explosions.cursor - 1];
    // PER PIXEL: contact (410, 120) less half the shot; SIMPLE: the shot's own place.
    EXPECT_FLOAT_EQ(blast.x, perPixel ? 406.0f : 410.0f);
    EXPECT_FLOAT_EQ(blast.y, perPixel ? 116.0f : 115.0f);
  }
}

TEST_F(Collisions, AKillScoresItsValueWithABlastBySizeAndABonusForLargeKinds) {
  struct Case {
    bool surface;
    std::uint8_t code;
    std::uint8_t blast;
    bool bonus;
  };
  for (const Case c : {Case{false, 3, 70, false}, Case{false, 45, 71, false}, Case{false, 47, 71, true},
                       Case{true, 58, 71, true}}) {
    SCOPED_TRACE(static_cast<int>(c.code));
    clearPools();
    game.score = 1000;
    GameEntity& u = c.surface ? put(surfaceUnits, 1, c.code, 400.0f, 100.0f) : put(aircraft, 1, c.code, 400.0f, 100.0f);
    u.hitPoints = 10;
    playerShot(1, 405.0f, 105.0f);
    pass();
    EXPECT_EQ(u.active, 0);
    EXPECT_EQ(game.score, 1000 + animTable[c.code].value);
    ASSERT_EQ(countCode(explosions, c.blast), 1);
    // Large blasts are centred on the unit, small ones sit at its corner.
    EXPECT_FLOAT_EQ(explosions[1].x, c.blast == 71 ? 400.0f + (static_cast<float>(u.width) - 64.0f) / 2 : 400.0f);
    EXPECT_EQ(pickups.liveCount(), c.bonus ? 1 : 0);
    if (c.bonus) {
      EXPECT_FLOAT_EQ(pickups[1].x, 400.0f + (static_cast<float>(u.width) - 32.0f) / 2);
      EXPECT_EQ(pickups[1].spriteCode, 80) << "full shield, power 1: a power up";
    }
  }
}

TEST_F(Collisions, AVolleyInRealFramesKillsABomberAndItsBonusFollowsTheShield) {
  startGameFromInstructions();
  holdWaves();
  clearPools();
  game.hp = 50;
  GameEntity& bomber = put(aircraft, 1, 47, static_cast<float>(game.playerX + 5), static_cast<float>(game.playerY - 150));
  bomber.hitPoints = 10;
  runFor(0.4);
  press(key::Space);
  runFrame();
  release(key::Space);
  runFrames(50);
  EXPECT_EQ(bomber.active, 0);
  EXPECT_EQ(game.score, 30);
  EXPECT_EQ(countCode(pickups, 82), 1) << "shield below 70: repair";
  EXPECT_EQ(plays(Sample::BigExplosion), 1u);
}

TEST_F(Collisions, ThePixelTestNeverReadsOffTheSheet) {
  // A sprite hanging over the sheet's right and bottom edges: the part off
  // the sheet counts as empty.
  setRow(200, 64, 100, 0, 1, 1000, 700);
  solid(1023, 767, 1023, 767);
  const auto corner = pixelContact(200, 0, 0, 200, 0, 0);
  ASSERT_TRUE(corner);
  EXPECT_EQ(corner->x, 23);
  EXPECT_EQ(corner->y, 67);
  // One starting left of and above the sheet.
  setRow(201, 40, 40, 0, 1, -30, -10);
  solid(0, 0, 0, 0);
  const auto origin = pixelContact(201, 0, 0, 201, 0, 0);
  ASSERT_TRUE(origin);
  EXPECT_EQ(origin->x, 30);
  EXPECT_EQ(origin->y, 10);
  // Wild sizes from a damaged file.
  AnimRow& wild = animTable[202];
  wild.frames[1] = {std::numeric_limits<std::int32_t>::min(), 0, std::numeric_limits<std::int32_t>::max(), 0};
  wild.width = std::numeric_limits<std::int32_t>::max();
  wild.height = std::numeric_limits<std::int32_t>::max();
  EXPECT_FALSE(pixelContact(202, 0, 0, 202, 5, 5));
  EXPECT_FALSE(pixelContact(202, 0, 0, 200, 5, 5));
}

}  // namespace shooter::testing

namespace shooter::testing {

// Crowded random scenes, in both modes, with shots and units anywhere (off
// screen, at the edges, far outside): the column lookup gives exactly the
// outcome of walking every slot, hit for hit.
TEST_F(Collisions, TheColumnLookupMatchesAWalkOverEverySlot) {
  using State = std::vector<std::tuple<int, int, float, float, std::int32_t>>;
  auto snapshot = [] {
    State out;
    auto add = [&out](int pool, const GameEntity& e) { out.emplace_back(pool, e.active, e.x, e.y, e.hitPoints); };
    for (int i = 1; i <= 100; ++i) {
      add(0, surfaceUnits[i]);
      add(1, aircraft[i]);
      add(2, explosions[i]);
      add(3, pickups[i]);
    }
    for (int i = 1; i <= 200; ++i) add(4, shots[i]);
    out.emplace_back(5, game.hp, 0.0f, 0.0f, game.score);
    return out;
  };
  solid(0, 0, 39, 39);
  solid(100, 0, 103, 7);
  std::mt19937 rng(77);
  auto coordinate = [&rng] {
    const int kind = static_cast<int>(rng() % 10);
    if (kind == 0) return static_cast<float>(static_cast<int>(rng() % 4000) - 2000);  // far outside
    return static_cast<float>(static_cast<int>(rng() % 90000) - 10000) / 100.0f;  // -100 .. 800
  };
  const std::uint8_t unitCodes[] = {47, 58, 50, 3, 45};
  int trialsWithKills = 0;
  for (int trial = 0; trial < 40; ++trial) {
    collisionType(static_cast<std::uint8_t>(trial % 2));
    clearPools();
    for (int i = 1; i <= 100; ++i) {
      if (rng() % 4 != 0) {
        GameEntity& u = put(surfaceUnits, i, unitCodes[rng() % 5], coordinate(), coordinate());
        u.hitPoints = static_cast<std::int32_t>(rng() % 40);
      }
      if (rng() % 4 != 0) {
        GameEntity& a = put(aircraft, i, unitCodes[rng() % 5], coordinate(), coordinate());
        a.hitPoints = static_cast<std::int32_t>(rng() % 40);
      }
    }
    for (int i = 1; i <= 200; ++i) {
      if (rng() % 3 == 0) continue;
      GameEntity& s = playerShot(i, coordinate(), coordinate());
      if (rng() % 5 == 0) s.side = kEnemySide;
    }
    game.hp = 100;
    game.score = 0;
    const auto surfaceBefore = surfaceUnits;
    const auto aircraftBefore = aircraft;
    const auto shotsBefore = shots;
    const auto explosionsBefore = explosions;
    const auto pickupsBefore = pickups;
    useShotColumns(false);
    pass();
    const State walked = snapshot();
    surfaceUnits = surfaceBefore;
    aircraft = aircraftBefore;
    shots = shotsBefore;
    explosions = explosionsBefore;
    pickups = pickupsBefore;
    game.hp = 100;
    game.score = 0;
    useShotColumns(true);
    pass();
    ASSERT_EQ(snapshot(), walked) << "trial " << trial;
    trialsWithKills += game.score > 0 ? 1 : 0;
  }
  EXPECT_GT(trialsWithKills, 30) << "the scenes must be crowded enough to hit";
}

}  // namespace shooter::testing
