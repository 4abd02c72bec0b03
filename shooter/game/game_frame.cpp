// The playing screen's frame and the game's once-a-second work.
#include "shooter/game/bonuses.h"
#include "shooter/game/collisions.h"
#include "shooter/game/enemy_tick.h"
#include "shooter/game/game.h"
#include "shooter/game/game_state.h"
#include "shooter/game/hud.h"
#include "shooter/game/player.h"
#include "shooter/game/pool_update.h"
#include "shooter/game/spawner.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

bool gameOverReady = false;

namespace {

constexpr double kTenthTick = 0.1;

void tenthTick() {
  if (!(frameClock.now - timers.lastTenthTick > kTenthTick)) return;
  tenthTickAnimations();
  spawnTick();
  blinkTick();
  timers.lastTenthTick = frameClock.now;
}

}  // namespace

void playingFrame() {
  movePlayer();
  keypadPlusBoost();
  actionKeys();
  tenthTick();
  drawBackground();
  moveAndDrawPools();
  collisionPass();
  drawPlayer();
  drawHud();
}

void gameSecondTick() {
  game.bossTime += 2;
  if (agePickups()) gameOverReady = true;
  slowAnimationStep();
  enemyFireStep();
  bossCycleStep();
}

}  // namespace shooter
