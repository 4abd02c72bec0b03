// The playing screen's frame and the game's once-a-second work.
#include "shooter/game/bonuses.h"
#include "shooter/game/collisions.h"
#include "shooter/game/enemy_tick.h"
#include "shooter/game/game.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_state.h"
#include "shooter/game/hud.h"
#include "shooter/game/player.h"
#include "shooter/game/pool_update.h"
#include "shooter/game/spawner.h"

namespace shooter {

namespace {

constexpr double kTenthTick = 0.1;

void tenthTick() {
  if (!(gameContext.now - game.timers.lastTenthTick > kTenthTick)) return;
  tenthTickAnimations();
  spawnTick();
  blinkTick();
  game.timers.lastTenthTick = gameContext.now;
}

}  // namespace

bool playingFrame(bool actionKeyDown, double& lastKeyTime) {
  movePlayer();
  keypadPlusBoost();
  const bool pause = actionKeys(actionKeyDown, lastKeyTime);
  tenthTick();
  drawBackground();
  moveAndDrawPools();
  collisionPass();
  drawPlayer();
  drawHud();
  return pause;
}

void gameSecondTick() {
  game.bossTime += 2;
  if (agePickups()) game.overReady = true;
  slowAnimationStep();
  enemyFireStep();
  bossCycleStep();
}

}  // namespace shooter
