// The once-a-second work of the enemies: slow animations (with the units
// that turn into others), firing, and the boss cycle.
#pragma once

#include <cstdint>

#include "shooter/game/sprite_codes.h"

namespace shooter {

inline constexpr std::int32_t kBossHitPointCap = 10000;
// The boss cycle comes when the boss time passes this.
inline constexpr std::int32_t kBossTimeLimit = 126;

// Surface units step their animation; at its last frame a unit whose kind
// turns into another does so (a 57 becomes the gun 56, the arrival unit 87
// gives way to the boss).
void slowAnimationStep();
// Every unit counts its fire timer on and fires when it is due.
void enemyFireStep();
// Brings the boss (or doubles a present one) and shortens the waves.
void bossCycleStep();

}  // namespace shooter
