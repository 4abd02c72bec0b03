// Box tests first; in PER PIXEL mode a box hit must also show a solid pixel
// of both sprites on the collision mask, which also gives the contact point.
#include "shooter/game/collisions.h"

#include <cmath>
#include <optional>

#include "shooter/game/bonuses.h"
#include "shooter/game/entity_creators.h"
#include "shooter/game/game_state.h"
#include "shooter/game/pixel_test.h"
#include "shooter/game/player.h"
#include "shooter/game/sprite_info.h"
#include "shooter/shell/settings.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

constexpr std::uint8_t kPerPixel = 1;
constexpr std::uint8_t kLargeSurfaceFrom = 56;
constexpr std::uint8_t kLargeAircraftFrom = 45;
constexpr std::uint8_t kBonusAircraftFrom = 47;
constexpr std::int32_t kEnemyShotShieldCost = 10;

bool perPixel() { return settings.collisionType == kPerPixel; }

// Where a unit that hit the player explodes, or nothing when it missed.
// PER PIXEL: the contact point less 16 on both axes. SIMPLE: halfway
// between the two boxes' centres, less 16, so the blast sits where they meet.
std::optional<ContactPoint> playerContact(const GameEntity& u) {
  const auto px = static_cast<float>(game.playerX);
  const auto py = static_cast<float>(game.playerY);
  const bool boxes = px - static_cast<float>(u.width) < u.x && u.x < px + kPlayerWidth &&
                     py - static_cast<float>(u.height) < u.y && u.y < py + kPlayerBoxHeight;
  if (!boxes) return std::nullopt;
  if (perPixel()) {
    const auto c = pixelContact(kPlayerAnim, game.playerX, game.playerY, u.spriteCode, toPixel(u.x), toPixel(u.y));
    if (!c) return std::nullopt;
    return ContactPoint{c->x - 16, c->y - 16};
  }
  const float cx = (px + kPlayerWidth / 2.0f + u.x + static_cast<float>(u.width) / 2.0f) / 2.0f;
  const float cy = (py + kPlayerBoxHeight / 2.0f + u.y + static_cast<float>(u.height) / 2.0f) / 2.0f;
  return ContactPoint{toPixel(cx) - 16, toPixel(cy) - 16};
}

void smallExplosionCentred(const GameEntity& u) {
  spawnExplosion(u.x + static_cast<float>(u.width - 32) / 2.0f, u.y + static_cast<float>(u.height - 32) / 2.0f,
                 kSmallExplosion);
}

void rammed(GameEntity& u, bool surface) {
  const auto at = playerContact(u);
  if (!at) return;
  spawnExplosion(static_cast<float>(at->x), static_cast<float>(at->y), kSmallExplosion);
  loseShield(playerCollisionDamage);
  u.hitPoints = saturatingAdd(u.hitPoints, -std::int64_t{unitCollisionDamage});
  if (u.hitPoints >= 1) {
    smallExplosionCentred(u);
  } else {
    destroyUnit(u, surface);
  }
}

void enemyShotAtPlayer(GameEntity& s) {
  const auto px = static_cast<float>(game.playerX);
  const auto py = static_cast<float>(game.playerY);
  if (!(px - 14.0f < s.x && s.x < px + kPlayerWidth && py - 14.0f < s.y && s.y < py + kPlayerBoxHeight)) return;
  if (perPixel() &&
      !pixelContact(kPlayerAnim, game.playerX, game.playerY, s.spriteCode, toPixel(s.x), toPixel(s.y))) {
    return;
  }
  s.active = 0;
  spawnExplosion(s.x, s.y, kSmallExplosion);
  loseShield(kEnemyShotShieldCost);
}

// A player shot against one unit; the shot is freed on a hit but the caller
// goes on testing it against the other units.
void playerShotAtUnit(GameEntity& s, GameEntity& u, bool surface) {
  if (!(u.x - 18.0f < s.x && s.x < u.x + static_cast<float>(u.width) && u.y - 18.0f < s.y &&
        s.y < u.y + static_cast<float>(u.height))) {
    return;
  }
  ContactPoint at{static_cast<int>(std::lround(s.x)), static_cast<int>(std::lround(s.y))};
  if (perPixel()) {
    const auto c = pixelContact(u.spriteCode, toPixel(u.x), toPixel(u.y), s.spriteCode, toPixel(s.x), toPixel(s.y));
    if (!c) return;
    const AnimRow& shot = animTable[s.spriteCode];
    at = {c->x - shot.width / 2, c->y - shot.height / 2};
  }
  u.hitPoints = saturatingAdd(u.hitPoints, -std::int64_t{s.damage});
  s.active = 0;
  if (u.hitPoints >= 1) {
    spawnExplosion(static_cast<float>(at.x), static_cast<float>(at.y), kSmallExplosion);
  } else {
    destroyUnit(u, surface);
  }
}

void playerShotAtUnits(GameEntity& s) {
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& u = surfaceUnits[i];
    if (u.active == 1 && u.spriteCode >= kSurfaceCollideFrom) playerShotAtUnit(s, u, true);
  }
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& a = aircraft[i];
    if (a.active == 1 && a.spriteCode < kAircraftCollideBelow) playerShotAtUnit(s, a, false);
  }
}

bool touchesPickup(const GameEntity& p) {
  const auto px = static_cast<float>(game.playerX);
  const auto py = static_cast<float>(game.playerY);
  return px - 32.0f < p.x && p.x < px + 64.0f && py - 32.0f < p.y && p.y < py + 50.0f;
}

}  // namespace

void destroyUnit(GameEntity& unit, bool surface) {
  unit.active = 0;
  game.score = saturatingAdd(game.score, pointValue(unit.spriteCode));
  const std::uint8_t code = unit.spriteCode;
  const bool large = surface ? code >= kLargeSurfaceFrom : code >= kLargeAircraftFrom;
  if (!large) {
    spawnExplosion(unit.x, unit.y, kSmallExplosion);
    return;
  }
  const auto w = static_cast<float>(unit.width);
  const auto h = static_cast<float>(unit.height);
  spawnExplosion(unit.x + (w - 64.0f) / 2.0f, unit.y + (h - 64.0f) / 2.0f, kLargeExplosion);
  if (surface || code >= kBonusAircraftFrom) dropBonus(unit.x + (w - 32.0f) / 2.0f, unit.y + (h - 32.0f) / 2.0f);
}

void collisionPass() {
  if (frameClock.now - timers.lastCollisionPass < collisionInterval) return;
  timers.lastCollisionPass = frameClock.now;
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& u = surfaceUnits[i];
    if (u.active == 1 && u.spriteCode >= kSurfaceCollideFrom) rammed(u, true);
  }
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& a = aircraft[i];
    if (a.active == 1 && a.spriteCode < kAircraftCollideBelow) rammed(a, false);
  }
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& p = pickups[i];
    if (p.active == 1 && touchesPickup(p)) collectBonus(p);
  }
  for (int i = 1; i <= ShotPool::kLast; ++i) {
    GameEntity& s = shots[i];
    if (s.active != 1) continue;
    if (s.side == kEnemySide) {
      enemyShotAtPlayer(s);
    } else if (s.side == kPlayerSide) {
      playerShotAtUnits(s);
    }
  }
}

}  // namespace shooter
