// Box tests first; in PER PIXEL mode a box hit must also show a solid pixel
// of both sprites on the collision mask, which also gives the contact point.
#include "shooter/game/collisions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

#include "shooter/game/bonuses.h"
#include "shooter/game/entity_creators.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_state.h"
#include "shooter/game/pixel_test.h"
#include "shooter/game/player.h"
#include "shooter/game/sprite_codes.h"
#include "shooter/game/sprite_info.h"
#include "shooter/game/enemy_catalogue.h"

namespace shooter {

namespace {

constexpr std::uint8_t kSimpleBoxes = 0;
constexpr std::int32_t kEnemyShotShieldCost = 10;

// Any value but 0 plays the pixel test, as the options screen shows any value
// but 0 as PER PIXEL: a settings file with another number plays what it shows.
bool perPixel() { return gameContext.collisionType != kSimpleBoxes; }

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
  loseShield(kPlayerCollisionDamage);
  u.hitPoints = saturatingAdd(u.hitPoints, -std::int64_t{kUnitCollisionDamage});
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

// Which units a player shot at a given x can touch. A shot hits a unit
// only when u.x - 18 < s.x < u.x + width, so the units are sorted once per
// pass into 32-pixel columns by that range; a shot then tests only the
// units of its own column, in slot order, exactly as a walk over every slot
// would (the others fail the box test anyway). Units only leave their pools
// while shots are tested, and a freed unit is skipped by its active flag, so
// the columns stay valid for the whole pass. A shot outside the columns
// falls back to the full walk.
class UnitColumns {
 public:
  void build() {
    for (auto& column : columns_) column = {};
    for (int i = 1; i <= UnitPool::kLast; ++i) {
      add(surfaceUnits[i], i, 0, collides(surfaceUnits[i].spriteCode, true));
      add(aircraft[i], i, 1, collides(aircraft[i].spriteCode, false));
    }
  }

  void test(GameEntity& s) const {
    const float at = (s.x - kLeft) / kWidth;
    if (!(at >= 0.0f && at < static_cast<float>(kColumns))) {
      testAll(s);
      return;
    }
    const Column& column = columns_[static_cast<std::size_t>(at)];
    for (std::size_t word = 0; word < kWords; ++word) {
      for (std::uint64_t bits = column.surface[word]; bits != 0; bits &= bits - 1) {
        GameEntity& u = surfaceUnits[static_cast<int>(word * 64 + static_cast<std::size_t>(std::countr_zero(bits)))];
        if (u.active == 1) playerShotAtUnit(s, u, true);
      }
    }
    for (std::size_t word = 0; word < kWords; ++word) {
      for (std::uint64_t bits = column.air[word]; bits != 0; bits &= bits - 1) {
        GameEntity& a = aircraft[static_cast<int>(word * 64 + static_cast<std::size_t>(std::countr_zero(bits)))];
        if (a.active == 1) playerShotAtUnit(s, a, false);
      }
    }
  }

  static void testAll(GameEntity& s) {
    for (int i = 1; i <= UnitPool::kLast; ++i) {
      GameEntity& u = surfaceUnits[i];
      if (u.active == 1 && collides(u.spriteCode, true)) playerShotAtUnit(s, u, true);
    }
    for (int i = 1; i <= UnitPool::kLast; ++i) {
      GameEntity& a = aircraft[i];
      if (a.active == 1 && collides(a.spriteCode, false)) playerShotAtUnit(s, a, false);
    }
  }

 private:
  static constexpr float kLeft = -64.0f;  // columns cover x from -64 to 704
  static constexpr float kWidth = 32.0f;
  static constexpr std::size_t kColumns = 24;
  static constexpr std::size_t kWords = (UnitPool::kLast + 1 + 63) / 64;
  struct Column {
    std::array<std::uint64_t, kWords> surface;
    std::array<std::uint64_t, kWords> air;
  };

  void add(const GameEntity& u, int slot, int pool, bool collides) {
    if (u.active != 1 || !collides) return;
    // The open range (u.x - 18, u.x + width) in columns, clamped: a shot
    // inside the columns can only lie in one of these.
    const float first = std::floor((u.x - 18.0f - kLeft) / kWidth);
    const float last = std::floor((u.x + static_cast<float>(u.width) - kLeft) / kWidth);
    if (!(first <= last) || last < 0.0f || first >= static_cast<float>(kColumns)) return;
    const auto from = static_cast<std::size_t>(std::max(first, 0.0f));
    const auto to = static_cast<std::size_t>(std::min(last, static_cast<float>(kColumns - 1)));
    const std::uint64_t bit = std::uint64_t{1} << (slot % 64);
    for (std::size_t c = from; c <= to; ++c) {
      auto& words = pool == 0 ? columns_[c].surface : columns_[c].air;
      words[static_cast<std::size_t>(slot / 64)] |= bit;
    }
  }

  std::array<Column, kColumns> columns_{};
};

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
  if (!explodesLarge(code, surface)) {
    spawnExplosion(unit.x, unit.y, kSmallExplosion);
    return;
  }
  const auto w = static_cast<float>(unit.width);
  const auto h = static_cast<float>(unit.height);
  spawnExplosion(unit.x + (w - 64.0f) / 2.0f, unit.y + (h - 64.0f) / 2.0f, kLargeExplosion);
  if (dropsBonus(code, surface)) dropBonus(unit.x + (w - 32.0f) / 2.0f, unit.y + (h - 32.0f) / 2.0f);
}

void useShotColumns(bool on) { game.shotColumnsOn = on; }

void collisionPass() {
  if (gameContext.now - game.timers.lastCollisionPass < gameContext.collisionInterval) return;
  game.timers.lastCollisionPass = gameContext.now;
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& u = surfaceUnits[i];
    if (u.active == 1 && collides(u.spriteCode, true)) rammed(u, true);
  }
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& a = aircraft[i];
    if (a.active == 1 && collides(a.spriteCode, false)) rammed(a, false);
  }
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& p = pickups[i];
    if (p.active == 1 && touchesPickup(p)) collectBonus(p);
  }
  static UnitColumns columns;
  columns.build();
  for (int i = 1; i <= ShotPool::kLast; ++i) {
    GameEntity& s = shots[i];
    if (s.active != 1) continue;
    if (s.side == kEnemySide) {
      enemyShotAtPlayer(s);
    } else if (s.side == kPlayerSide) {
      game.shotColumnsOn ? columns.test(s) : UnitColumns::testAll(s);
    }
  }
}

}  // namespace shooter
