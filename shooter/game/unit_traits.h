// What a unit does in a fight, by its code and its pool: whether it collides
// (with shots, the player and the destroy-all bonus), whether its end is the
// large explosion, and whether it leaves a bonus when shot down. A kind's
// traits are the columns of its row in kEnemyKinds; any other code in a pool
// (a unit written by hand, a damaged code) fights by its number, after the
// bounds in sprite_codes.h. Both are looked up in one table per set of
// kinds, so the collision pass reads a trait without a search.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "shooter/game/enemy_kinds.h"
#include "shooter/game/sprite_codes.h"

namespace shooter {

struct UnitTraits {
  bool collides = false;
  bool largeExplosion = false;
  bool dropsBonus = false;
};

// The traits of a code that has no row of its pool.
constexpr UnitTraits traitsByNumber(std::uint8_t code, bool surface) {
  UnitTraits t;
  t.collides = surface ? code >= kSurfaceCollideFrom : code < kAircraftCollideBelow;
  t.largeExplosion = code >= (surface ? kLargeSurfaceFrom : kLargeAircraftFrom);
  t.dropsBonus = t.largeExplosion && (surface || code >= kBonusAircraftFrom);
  return t;
}

// [0] aircraft, [1] surface units; one entry per code.
using UnitTraitTable = std::array<std::array<UnitTraits, 256>, 2>;

constexpr UnitTraitTable buildUnitTraits(std::span<const EnemyKind> kinds) {
  UnitTraitTable table{};
  for (std::size_t pool = 0; pool < 2; ++pool) {
    for (std::size_t code = 0; code < 256; ++code) {
      table[pool][code] = traitsByNumber(static_cast<std::uint8_t>(code), pool == 1);
    }
  }
  for (const EnemyKind& kind : kinds) {
    table[kind.pool == KindPool::Surface ? 1 : 0][kind.code] = {kind.collides, kind.largeExplosion, kind.dropsBonus};
  }
  return table;
}

// The traits of the shipped kinds; the game reads those of the kinds in play
// (enemy_catalogue.h).
inline constexpr UnitTraitTable kShippedUnitTraits = buildUnitTraits(kEnemyKinds);

constexpr const UnitTraits& shippedTraits(std::uint8_t code, bool surface) {
  return kShippedUnitTraits[surface ? 1 : 0][code];
}

// The kinds that fight: the islands are scenery, the boss and the guns end
// large and leave a bonus, the small planes do neither.
static_assert(!shippedTraits(kSceneryCode, true).collides && shippedTraits(kGunTurret, true).collides);
static_assert(shippedTraits(kBossCode, false).largeExplosion && shippedTraits(kBossCode, false).dropsBonus);
static_assert(shippedTraits(1, false).collides && !shippedTraits(1, false).largeExplosion &&
              !shippedTraits(1, false).dropsBonus);
// Codes without a row of their pool: an aircraft's code among the surface
// units, a damaged surface code, a damaged aircraft code.
static_assert(!shippedTraits(45, true).collides && !shippedTraits(45, true).largeExplosion);
static_assert(shippedTraits(53, true).collides && !shippedTraits(53, true).largeExplosion);
static_assert(!shippedTraits(200, false).collides && shippedTraits(200, false).largeExplosion &&
              shippedTraits(200, false).dropsBonus);

}  // namespace shooter
