// Slow animation, enemy fire and the boss cycle.
#include "shooter/game/enemy_tick.h"

#include <algorithm>

#include "shooter/game/enemy_catalogue.h"
#include "shooter/game/entity_creators.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_entity.h"
#include "shooter/game/game_state.h"
#include "shooter/game/spawner.h"
#include "shooter/game/sprite_codes.h"
#include "shooter/game/sprite_info.h"

namespace shooter {

namespace {

constexpr std::uint8_t kStraightShotDamage = 10;

// A unit at the last frame of its slow animation turns into the kind its row
// names: in place when that kind lives in the same pool, or replaced by a
// new unit of that kind in the other pool. The boss cycle keeps the slot of
// a boss that arrives this way.
void turnInto(GameEntity& u, const EnemyKind& kind) {
  const EnemyKind& next = enemyKind(kind.becomes);
  if (next.pool == kind.pool) {
    u.spriteCode = next.code;
    u.frame = 1;
    return;
  }
  u.active = 0;
  UnitPool& pool = next.pool == KindPool::Surface ? surfaceUnits : aircraft;
  const std::uint8_t slot = placeUnit(pool, next.code, u.x + kind.becomesDx, u.y + kind.becomesDy, 0.0f,
                                      next.dyScrolls * kScrollSpeed, next.statsCode);
  if (next.code == kBossCode) {
    game.bossSlot = slot;
    game.bossActive = 1;
  }
}

void fire(const GameEntity& u) {
  const EnemyKind& kind = enemyKind(u.spriteCode);
  const float x1 = u.x + kind.fire1X;
  const float y1 = u.y + kind.fire1Y;
  switch (kind.fire) {
    case FirePattern::None: break;
    case FirePattern::StraightUp:
      fireShot(x1, y1, 0.0f, -2.0f * kScrollSpeed, kEnemySide, kEnemyShotCode, kStraightShotDamage);
      break;
    case FirePattern::StraightDown:
      fireShot(x1, y1, 0.0f, 2.0f * kScrollSpeed, kEnemySide, kEnemyShotCode, kStraightShotDamage);
      break;
    case FirePattern::Aimed: fireAimedShot(x1, y1, u.x, u.y); break;
    case FirePattern::AimedPair:
      fireAimedShot(x1, y1, u.x, u.y);
      fireAimedShot(u.x + kind.fire2X, u.y + kind.fire2Y, u.x, u.y);
      break;
  }
}

// Counts a unit's timer on; fires (only kinds of the right pool) when due.
// Due means at or past the interval, not exactly at it: a new unit inherits
// its slot's timer, and the interval drops from 3 to 2 at the fastest waves,
// so a timer can already be past the interval. An exact match would leave
// such a unit silent until the byte wraps, 254 s later.
void countAndFire(GameEntity& u, KindPool pool) {
  if (u.active != 1) return;
  u.fireTimer = static_cast<std::uint8_t>(u.fireTimer + 1);
  if (u.fireTimer < game.enemyFireInterval) return;
  u.fireTimer = 0;
  if (enemyKind(u.spriteCode).pool == pool) fire(u);
}

}  // namespace

void slowAnimationStep() {
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& u = surfaceUnits[i];
    if (u.active != 1) continue;
    const EnemyKind& kind = enemyKind(u.spriteCode);
    if (kind.becomes != 0 && kind.pool == KindPool::Surface && u.frame == frameCountOf(u.spriteCode)) {
      turnInto(u, kind);
      continue;
    }
    u.frame = nextFrame(u.frame, u.spriteCode);
  }
}

void enemyFireStep() {
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    countAndFire(surfaceUnits[i], KindPool::Surface);
    countAndFire(aircraft[i], KindPool::Aircraft);
  }
}

void bossCycleStep() {
  const GameEntity& boss = aircraft[game.bossSlot];
  game.bossActive = (game.bossSlot != 0 && boss.active == 1 && boss.spriteCode == kBossCode) ? 1 : 0;
  if (game.bossTime <= kBossTimeLimit) return;
  if (game.bossActive == 0) {
    const float x = spawnColumnX(64, gameContext.grid.columns64);
    placeUnit(surfaceUnits, kBossArrivalCode, x, 32.0f, 0.0f, 0.0f, kBossArrivalCode);
  } else {
    GameEntity& b = aircraft[game.bossSlot];
    b.hitPoints = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{b.hitPoints} * 2, kBossHitPointCap));
  }
  // Each cycle the waves come sooner, down to 0.7 s, 1 s and 3 s; at the
  // fastest first wave the enemies also fire every 2 s.
  if (game.wave1Threshold > 10) {
    game.wave1Threshold = static_cast<std::uint8_t>(game.wave1Threshold - 10);
  } else {
    game.wave1Threshold = 7;
    game.enemyFireInterval = 2;
  }
  game.wave2Threshold = game.wave2Threshold > 10 ? static_cast<std::uint8_t>(game.wave2Threshold - 10) : 10;
  game.wave3Threshold = game.wave3Threshold > 30 ? static_cast<std::uint8_t>(game.wave3Threshold - 10) : 30;
  game.bossTime = 1;
}

}  // namespace shooter
