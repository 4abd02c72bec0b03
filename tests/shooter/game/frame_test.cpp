// Whole playing frames: movement and culling, the HUD on the page, sound
// events, and data that would fault a careless frame.
#include <gtest/gtest.h>

#include "assets/sheet_layout.h"
#include "game_fixture.h"
#include "shooter/game/enemy_tick.h"
#include "shooter/game/entity_creators.h"
#include "shooter/game/pool_update.h"
#include "shooter/resources/sprite_sheet.h"

namespace shooter::testing {

class Frames : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    startGameFromInstructions();
    holdWaves();
    clearPools();
  }
};

TEST_F(Frames, EachPoolLeavesTheScreenByItsOwnMargins) {
  GameEntity& plane = put(aircraft, 1, 3, 100.0f, 480.0f + 63.5f);
  plane.dy = 1.0f;
  GameEntity& lowPlane = put(aircraft, 2, 3, 100.0f, 480.0f + 62.5f);
  lowPlane.dy = 1.0f;
  GameEntity& island = put(surfaceUnits, 1, 50, 100.0f, -191.0f);
  island.dy = -2.0f;
  GameEntity& shot = put(shots, 1, 59, 100.0f, -19.0f);
  shot.dy = -4.0f;
  GameEntity& item = put(pickups, 1, 80, 100.0f, 2000.0f);
  runFrame();
  EXPECT_EQ(plane.active, 0) << "past H + 64";
  EXPECT_EQ(lowPlane.active, 1);
  EXPECT_EQ(island.active, 0) << "above -192";
  EXPECT_EQ(shot.active, 0) << "above -20";
  EXPECT_EQ(item.active, 1) << "items are never culled";
  EXPECT_FLOAT_EQ(lowPlane.y, 543.5f) << "inside H + 64";
}

TEST_F(Frames, TheHudDrawsOneBossBarColumnPerUnitOfBossTime) {
  constexpr platform::Colour kFill = 0xFF123456u;
  const auto& r = assets::kBossBarFill;
  platform::fillBox(spriteSheet, r.x1, r.y1, r.x2, r.y2, kFill);
  game.bossTime = 10;
  runFrame();
  const platform::Image& page = platform::visiblePage();
  const int barX = 640 / 2 - 83;
  EXPECT_EQ(platform::getPixel(page, barX + 5, 480 - 15), kFill);
  EXPECT_EQ(platform::getPixel(page, barX + 14, 480 - 6), kFill);
  EXPECT_NE(platform::getPixel(page, barX + 15, 480 - 15), kFill);
  EXPECT_NE(platform::getPixel(page, barX + 4, 480 - 15), kFill);
}

TEST_F(Frames, ShotSoundsShareOneThirdOfASecondTurn) {
  const auto before = plays(Sample::Shot);
  fireShot(0, 0, 0, 0, kEnemySide, 68, 10);  // silent, but takes the turn
  fireShot(0, 0, 0, 0, kPlayerSide, 59, 10);
  EXPECT_EQ(plays(Sample::Shot), before);
  runFor(0.34);
  fireShot(0, 0, 0, 0, kPlayerSide, 59, 10);
  EXPECT_EQ(plays(Sample::Shot), before + 1);
  const auto big = plays(Sample::BigExplosion);
  const auto small = plays(Sample::Explosion);
  spawnExplosion(0, 0, 71);
  spawnExplosion(0, 0, 70);
  EXPECT_EQ(plays(Sample::BigExplosion), big + 1);
  EXPECT_EQ(plays(Sample::Explosion), small + 1);
}

TEST_F(Frames, RowsWithoutFramesAndCodesWithoutRowsRunSafely) {
  // Code 70 has no row (frame count 0): it counts as one frame.
  spawnExplosion(100.0f, 100.0f, 70);
  GameEntity& plane = put(aircraft, 1, 200, 100.0f, 100.0f);
  GameEntity& odd = put(surfaceUnits, 1, 255, 100.0f, 100.0f);
  GameEntity& item = put(pickups, 1, 254, 100.0f, 100.0f);
  tenthTickAnimations();
  EXPECT_EQ(explosions[1].active, 0) << "its one frame has played";
  EXPECT_EQ(item.frame, 1);
  runFrames(3);
  EXPECT_EQ(plane.frame, 1);
  for (int i = 0; i < 4; ++i) {
    slowAnimationStep();
    enemyFireStep();
  }
  EXPECT_EQ(odd.frame, 1);
  EXPECT_EQ(shots.liveCount(), 0);
}

}  // namespace shooter::testing
