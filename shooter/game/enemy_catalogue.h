// The kinds and wave rows the game plays with. They are kEnemyKinds and
// kWaveKinds unless a test hands in longer tables, so that a kind is added
// as rows and never as code; start-up puts the shipped tables back. The
// fight traits of every code are worked out once per set of tables, so the
// collision pass reads a trait without a search.
#pragma once

#include <cstdint>
#include <span>

#include "shooter/game/enemy_kinds.h"
#include "shooter/game/unit_traits.h"
#include "shooter/game/wave_kinds.h"

namespace shooter {

struct EnemyCatalogue {
  std::span<const EnemyKind> kinds = kEnemyKinds;
  std::span<const WaveKind> waves = kWaveKinds;
  UnitTraitTable traits = kShippedUnitTraits;
};

extern EnemyCatalogue enemyCatalogue;

// Plays with these tables from now on; they must stay alive while they are
// in use, and pass kindsAreConsistent and wavesMatchKinds.
void useEnemyKinds(std::span<const EnemyKind> kinds, std::span<const WaveKind> waves);

// The row of a code, or kNoKind for a code without one.
inline const EnemyKind& enemyKind(std::uint8_t code) { return findKind(enemyCatalogue.kinds, code); }

// What a unit does in a fight, by its code and pool (see unit_traits.h).
inline const UnitTraits& unitTraits(std::uint8_t code, bool surface) {
  return enemyCatalogue.traits[surface ? 1 : 0][code];
}
// Whether a unit takes part in collisions (and in the destroy-all bonus).
inline bool collides(std::uint8_t code, bool surface) { return unitTraits(code, surface).collides; }
// Whether a unit's end is the large explosion, centred on it.
inline bool explodesLarge(std::uint8_t code, bool surface) { return unitTraits(code, surface).largeExplosion; }
// Whether a unit shot down leaves a bonus.
inline bool dropsBonus(std::uint8_t code, bool surface) { return unitTraits(code, surface).dropsBonus; }

}  // namespace shooter
