// What a unit does in a fight, by its code and its pool: whether it collides
// (with shots, the player and the destroy-all bonus), whether its end is the
// large explosion, and whether it leaves a bonus when shot down. A kind's
// traits are the columns of its row in kEnemyKinds; any other code in a pool
// (a unit written by hand, a damaged code) fights by its number, after the
// bounds in sprite_codes.h. Both are looked up in one table made at compile
// time, so the collision pass reads a trait without a search.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

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
inline constexpr auto kUnitTraits = [] {
  std::array<std::array<UnitTraits, 256>, 2> table{};
  for (std::size_t pool = 0; pool < 2; ++pool) {
    for (std::size_t code = 0; code < 256; ++code) {
      table[pool][code] = traitsByNumber(static_cast<std::uint8_t>(code), pool == 1);
    }
  }
  // Every row but the last, which stands for the codes without one.
  for (std::size_t k = 0; k + 1 < kEnemyKinds.size(); ++k) {
    const EnemyKind& kind = kEnemyKinds[k];
    table[kind.pool == KindPool::Surface ? 1 : 0][kind.code] = {kind.collides, kind.largeExplosion, kind.dropsBonus};
  }
  return table;
}();

constexpr const UnitTraits& unitTraits(std::uint8_t code, bool surface) { return kUnitTraits[surface ? 1 : 0][code]; }

// Whether a unit takes part in collisions (and in the destroy-all bonus).
constexpr bool collides(std::uint8_t code, bool surface) { return unitTraits(code, surface).collides; }
// Whether a unit's end is the large explosion, centred on it.
constexpr bool explodesLarge(std::uint8_t code, bool surface) { return unitTraits(code, surface).largeExplosion; }
// Whether a unit shot down leaves a bonus.
constexpr bool dropsBonus(std::uint8_t code, bool surface) { return unitTraits(code, surface).dropsBonus; }

// The kinds that fight: the islands are scenery, the boss and the guns end
// large and leave a bonus, the small planes do neither.
static_assert(!collides(kSceneryCode, true) && collides(kGunTurret, true));
static_assert(explodesLarge(kBossCode, false) && dropsBonus(kBossCode, false));
static_assert(collides(1, false) && !explodesLarge(1, false) && !dropsBonus(1, false));
// Codes without a row of their pool: an aircraft's code among the surface
// units, a damaged surface code, a damaged aircraft code.
static_assert(!collides(45, true) && !explodesLarge(45, true));
static_assert(collides(53, true) && !explodesLarge(53, true));
static_assert(!collides(200, false) && explodesLarge(200, false) && dropsBonus(200, false));

}  // namespace shooter
