// The tables in play and their change.
#include "shooter/game/enemy_catalogue.h"

namespace shooter {

EnemyCatalogue enemyCatalogue;

void useEnemyKinds(std::span<const EnemyKind> kinds, std::span<const WaveKind> waves) {
  enemyCatalogue.kinds = kinds;
  enemyCatalogue.waves = waves;
  enemyCatalogue.traits = buildUnitTraits(kinds);
}

}  // namespace shooter
