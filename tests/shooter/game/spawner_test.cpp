// Waves, enemy kinds, enemy fire, slow animation and the boss cycle.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "game_fixture.h"
#include "shooter/game/collisions.h"
#include "shooter/game/enemy_catalogue.h"
#include "shooter/game/enemy_tick.h"
#include "shooter/game/entity_creators.h"
#include "shooter/game/spawner.h"

namespace shooter::testing {

// A table with one row more, made at compile time.
template <typename Row, std::size_t N>
constexpr std::array<Row, N + 1> withRow(const std::array<Row, N>& table, const Row& row) {
  std::array<Row, N + 1> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = table[i];
  out[N] = row;
  return out;
}

// A kind the game has never had: a gunship that the second wave brings from
// the top, firing aimed pairs; it collides, ends in the small explosion and
// leaves no bonus. Its code, 53, is one that no aircraft had: by its number
// alone such a unit would do the opposite of each (no collisions, the large
// explosion and a bonus), so only its row can make it fight as it does. It
// is a kinds row and a wave row, and nothing else.
constexpr std::uint8_t kNewKind = 53;
constexpr auto kKindsWithGunship =
    withRow(kEnemyKinds, EnemyKind{kNewKind, KindPool::Aircraft, Arrival::Top, -64, 1.0f, kNewKind,
                                   FirePattern::AimedPair, 4, 30, 36, 30, true, false, false, 0, 0, 0});
constexpr auto kWavesWithGunship = withRow(kWaveKinds, WaveKind{Wave::Second, Placement::Column64, kNewKind, 0, 0});
static_assert(kindsAreConsistent(kKindsWithGunship) && wavesMatchKinds(kWavesWithGunship, kKindsWithGunship));

class Spawner : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    clearPools();
    game.playerX = 320;
    game.playerY = 360;
  }
  // The 0.1 s ticks at which `counter` was reset by a spawn, over `ticks` ticks.
  static std::vector<int> spawnTicks(const std::uint8_t& counter, int ticks) {
    std::vector<int> at;
    for (int t = 1; t <= ticks; ++t) {
      spawnTick();
      if (counter == 0) at.push_back(t);
      clearPools();
    }
    return at;
  }
};

TEST_F(Spawner, WavesStartAtFiveTenAndTwentySecondsWithSceneryEveryFour) {
  resetGame();
  const auto scenery = spawnTicks(game.sceneryCounter, 200);
  EXPECT_EQ(scenery, (std::vector<int>{40, 80, 120, 160, 200}));
  resetGame();
  EXPECT_EQ(spawnTicks(game.wave1Counter, 200), (std::vector<int>{50, 100, 150, 200}));
  resetGame();
  EXPECT_EQ(spawnTicks(game.wave2Counter, 200), (std::vector<int>{100, 200}));
  resetGame();
  EXPECT_EQ(spawnTicks(game.wave3Counter, 200), (std::vector<int>{200}));
}

TEST_F(Spawner, BossCyclesShortenTheWavesDownToTheirFloors) {
  for (int cycle = 0; cycle < 30; ++cycle) {
    game.bossTime = 127;
    bossCycleStep();
    EXPECT_EQ(game.bossTime, 1);
    if (cycle == 3) {
      EXPECT_EQ(game.enemyFireInterval, 3) << "the first wave is at 10, not yet at its floor";
    }
  }
  EXPECT_EQ(game.wave1Threshold, 7);
  EXPECT_EQ(game.wave2Threshold, 10);
  EXPECT_EQ(game.wave3Threshold, 30);
  EXPECT_EQ(game.enemyFireInterval, 2);
  game.wave1Counter = 0;
  EXPECT_EQ(spawnTicks(game.wave1Counter, 21), (std::vector<int>{7, 14, 21})) << "0.7 s";
}

TEST_F(Spawner, EveryKindArrivesWhereAndAsItShould) {
  struct Arrival {
    float y, dy;     // dy in scroll speeds
    int column;      // spawn column width
    std::int32_t hp; // from the kind's stats row
  };
  std::map<int, Arrival> expected;
  for (int code : {1, 2, 3, 4, 5, 41, 42, 43}) expected[code] = {-64, 2, 32, 11};
  expected[44] = {543, -2, 32, 11};
  expected[45] = {543, -0.5f, 64, 12};
  expected[46] = {-64, 0.5f, 64, 13};
  expected[47] = {-64, 0.5f, 128, 14};
  for (int code : {50, 51, 52}) expected[code] = {-64, 1, 64, 0};  // scenery has no hit points
  expected[57] = {-98, 1, 64, 15};
  expected[58] = {-180, 1, 64, 16};
  setRow(44, 20, 21, 11);
  setRow(45, 30, 31, 12);
  setRow(46, 30, 31, 13);
  setRow(47, 40, 41, 14);
  setRow(50, 64, 64, 99);
  setRow(57, 50, 51, 15);
  setRow(58, 50, 51, 16);
  std::set<int> seen;
  auto check = [&](const GameEntity& u) {
    if (u.active != 1) return;
    SCOPED_TRACE(static_cast<int>(u.spriteCode));
    seen.insert(u.spriteCode);
    ASSERT_EQ(expected.count(u.spriteCode), 1u);
    const Arrival& e = expected[u.spriteCode];
    const int x = static_cast<int>(u.x);
    EXPECT_FLOAT_EQ(u.y, e.y);
    EXPECT_FLOAT_EQ(u.dy, e.dy * kScrollSpeed);
    EXPECT_EQ((x - 32) % e.column, 0);
    EXPECT_LT(x, 640);
    EXPECT_EQ(u.hitPoints, e.hp);
    const int toPlayer = 320 - x;  // divers steer towards the player and bank that way
    if (u.spriteCode >= 41 && u.spriteCode <= 43) {
      EXPECT_EQ(u.spriteCode, toPlayer > 64 ? 42 : (toPlayer < -64 ? 43 : 41));
      EXPECT_FLOAT_EQ(u.dx, static_cast<float>(toPlayer) / 480.0f * 2.0f);
    } else {
      EXPECT_FLOAT_EQ(u.dx, 0.0f);
    }
  };
  for (int t = 0; t < 20000; ++t) {
    spawnTick();
    for (int i = 1; i <= 100; ++i) {
      check(aircraft[i]);
      check(surfaceUnits[i]);
    }
    clearPools();
  }
  EXPECT_EQ(seen.size(), expected.size());
}

TEST_F(Spawner, ASurfaceSpawnGivesUpWhenEveryColumnIsBlocked) {
  setRow(50, 64, 64, 0);
  for (int c = 0; c < 9; ++c) {
    GameEntity& u = put(surfaceUnits, c + 1, 50, static_cast<float>(32 + 64 * c), -10.0f);
    u.height = 300;
  }
  EXPECT_FALSE(surfaceSpawnPosition(50));
  game.sceneryCounter = 40;
  spawnTick();
  EXPECT_EQ(surfaceUnits.liveCount(), 9) << "the island is skipped";
  // One column of nine open: draws on blocked columns are drawn again, so
  // most searches find it (a search fails only when all 16 draws miss it).
  surfaceUnits[5].active = 0;
  int found = 0;
  for (int i = 0; i < 40; ++i) {
    if (const auto at = surfaceSpawnPosition(57)) {
      ++found;
      EXPECT_FLOAT_EQ(at->x, 32.0f + 64 * 4);
      EXPECT_FLOAT_EQ(at->y, -98.0f);
    }
  }
  EXPECT_GE(found, 25);
}

TEST_F(Spawner, EnemiesFireByKindOnTheirInterval) {
  setRow(49, 80, 60, 500);
  struct Case {
    bool surface;
    std::uint8_t code;
    int shots;
    float x, y, dy;  // of the first shot; dy only for straight shots
  };
  const Case cases[] = {
      {false, 45, 1, 120, 300, -2 * kScrollSpeed}, {false, 46, 1, 124, 332, 2 * kScrollSpeed},
      {false, 47, 1, 132, 324, 0},                 {false, 49, 2, 130, 340, 0},
      {true, 56, 1, 108, 332, 0},                  {true, 58, 1, 108, 332, 0},
      {true, 57, 0, 0, 0, 0},                      {false, 44, 0, 0, 0, 0},
      {true, 87, 0, 0, 0, 0},                      {false, 200, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.code));
    clearPools();
    GameEntity& u = c.surface ? put(surfaceUnits, 1, c.code, 100.0f, 300.0f) : put(aircraft, 1, c.code, 100.0f, 300.0f);
    u.fireTimer = 0;
    enemyFireStep();
    enemyFireStep();
    EXPECT_EQ(shots.liveCount(), 0);
    enemyFireStep();
    ASSERT_EQ(shots.liveCount(), c.shots);
    if (c.shots == 0) continue;
    EXPECT_FLOAT_EQ(shots[1].x, c.x);
    EXPECT_FLOAT_EQ(shots[1].y, c.y);
    EXPECT_EQ(shots[1].side, kEnemySide);
    EXPECT_EQ(shots[1].spriteCode, 68);
    EXPECT_EQ(shots[1].damage, 10);
    if (c.dy != 0) {
      EXPECT_FLOAT_EQ(shots[1].dy, c.dy);
    }
    if (c.shots == 2) {
      EXPECT_FLOAT_EQ(shots[2].x, 150.0f);
    }
  }
  game.enemyFireInterval = 2;
  clearPools();
  put(aircraft, 1, 45, 100.0f, 300.0f);
  enemyFireStep();
  enemyFireStep();
  EXPECT_EQ(shots.liveCount(), 1) << "every 2 s after the first wave reaches its floor";
}

TEST_F(Spawner, ANewUnitKeepsItsSlotsFireTimerAndFiresOnceItIsPastTheInterval) {
  setRow(45, 30, 31, 12);
  aircraft[1].fireTimer = 2;  // left by the slot's last owner
  aircraft[2].fireTimer = 0;
  ASSERT_EQ(placeUnit(aircraft, 45, 100.0f, 300.0f, 0.0f, 0.0f, 45), 1);
  ASSERT_EQ(placeUnit(aircraft, 45, 200.0f, 300.0f, 0.0f, 0.0f, 45), 2);
  EXPECT_EQ(aircraft[1].fireTimer, 2);
  enemyFireStep();
  ASSERT_EQ(shots.liveCount(), 1) << "the inherited timer reaches 3 at once";
  EXPECT_FLOAT_EQ(shots[1].x, 120.0f);
  // Past a lowered interval: the timer fires at once rather than wait for
  // the byte to wrap.
  clearPools();
  game.enemyFireInterval = 2;
  aircraft[1].fireTimer = 9;
  placeUnit(aircraft, 45, 100.0f, 300.0f, 0.0f, 0.0f, 45);
  enemyFireStep();
  EXPECT_EQ(shots.liveCount(), 1);
}

TEST_F(Spawner, AKindAddedAsRowsSpawnsFightsAndScores) {
  useEnemyKinds(kKindsWithGunship, kWavesWithGunship);
  setRow(kNewKind, 40, 40, 25);
  setRow(59, 8, 8, 0);
  holdWaves();
  // The second wave now draws it one time in three.
  GameEntity* gunship = nullptr;
  for (int t = 0; t < 100 && gunship == nullptr; ++t) {
    clearPools();
    game.wave2Counter = game.wave2Threshold;
    spawnTick();
    for (int i = 1; i <= UnitPool::kLast; ++i) {
      if (aircraft[i].active == 1 && aircraft[i].spriteCode == kNewKind) gunship = &aircraft[i];
    }
  }
  ASSERT_NE(gunship, nullptr);
  EXPECT_FLOAT_EQ(gunship->y, -64.0f);
  EXPECT_FLOAT_EQ(gunship->dy, kScrollSpeed);
  EXPECT_EQ((static_cast<int>(gunship->x) - 32) % 64, 0);
  EXPECT_EQ(gunship->hitPoints, 25);
  EXPECT_EQ(gunship->width, 40);

  // It fires its pair on the interval.
  gunship->x = 100.0f;
  gunship->y = 100.0f;
  gunship->fireTimer = 0;
  for (int second = 0; second < 3; ++second) enemyFireStep();
  ASSERT_EQ(shots.liveCount(), 2);
  EXPECT_FLOAT_EQ(shots[1].x, 104.0f);
  EXPECT_FLOAT_EQ(shots[2].x, 136.0f);
  EXPECT_FLOAT_EQ(shots[2].y, 130.0f);

  // Player shots hit it; the kill scores its value and ends in the small
  // explosion without a bonus.
  shots.clear();
  auto hit = [](std::uint8_t damage) {
    GameEntity& s = put(shots, 1, 59, 110.0f, 110.0f);
    s.side = kPlayerSide;
    s.damage = damage;
    game.timers.lastCollisionPass = -1.0;
    collisionPass();
  };
  hit(10);
  EXPECT_EQ(gunship->hitPoints, 15);
  EXPECT_EQ(gunship->active, 1);
  hit(20);
  EXPECT_EQ(gunship->active, 0);
  EXPECT_EQ(game.score, 25);
  EXPECT_EQ(countCode(explosions, kLargeExplosion), 0);
  EXPECT_EQ(countCode(explosions, kSmallExplosion), 2) << "the first hit's and the kill's";
  EXPECT_EQ(pickups.liveCount(), 0);
}

TEST_F(Spawner, AimedShotsFlyTowardsThePlayerAtTwoPixelsOnTheLongerAxis) {
  game.playerX = 200;
  game.playerY = 150;
  fireAimedShot(0, 0, 100, 100);  // ex -100, ey -50
  EXPECT_FLOAT_EQ(shots[1].dx, 2.0f);
  EXPECT_FLOAT_EQ(shots[1].dy, 1.0f);
  fireAimedShot(0, 0, 225, 250);  // ex 25, ey 100
  EXPECT_FLOAT_EQ(shots[2].dx, -0.5f);
  EXPECT_FLOAT_EQ(shots[2].dy, -2.0f);
  fireAimedShot(0, 0, 200, 150);  // on the player: no division by zero
  EXPECT_FLOAT_EQ(shots[3].dx, 2.0f);
  EXPECT_FLOAT_EQ(shots[3].dy, 2.0f);
}

TEST_F(Spawner, SlowAnimationTurnsOpeningTurretsIntoGuns) {
  setRow(57, 40, 40, 20, 3);
  setRow(58, 40, 40, 20, 2);
  GameEntity& opening = put(surfaceUnits, 1, 57, 100.0f, 100.0f);
  GameEntity& gun = put(surfaceUnits, 2, 58, 200.0f, 100.0f);
  std::vector<int> gunFrames;
  for (int i = 0; i < 3; ++i) {
    slowAnimationStep();
    gunFrames.push_back(gun.frame);
  }
  EXPECT_EQ(opening.spriteCode, 56);
  EXPECT_EQ(opening.frame, 1);
  EXPECT_EQ(opening.hitPoints, 20) << "keeps the stats of 57";
  EXPECT_EQ(gunFrames, (std::vector<int>{2, 1, 2}));
}

TEST_F(Spawner, APresentBossDoublesUpToTenThousandAndALostOneComesBack) {
  setRow(87, 64, 64, 100, 1);
  setRow(49, 80, 60, 3000);
  put(surfaceUnits, 1, 87, 96.0f, 32.0f);
  slowAnimationStep();
  ASSERT_EQ(game.bossActive, 1);
  GameEntity& boss = aircraft[game.bossSlot];
  std::vector<int> hp;
  for (int i = 0; i < 3; ++i) {
    game.bossTime = 127;
    bossCycleStep();
    hp.push_back(boss.hitPoints);
  }
  EXPECT_EQ(hp, (std::vector<int>{6000, 10000, 10000}));
  EXPECT_EQ(countCode(surfaceUnits, 87), 0);
  boss.active = 0;
  game.bossTime = 127;
  bossCycleStep();
  EXPECT_EQ(game.bossActive, 0);
  ASSERT_EQ(countCode(surfaceUnits, 87), 1);
  game.bossTime = 100;
  bossCycleStep();
  EXPECT_EQ(game.bossTime, 100) << "no cycle below 127";
}

}  // namespace shooter::testing
