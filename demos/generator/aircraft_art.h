// The aircraft pictures: the player's jet in its level and banking frames,
// and the enemy plane.
#pragma once

#include "platform/image.h"

namespace demo_gen {

inline constexpr int kJetWidth = 60;
inline constexpr int kJetHeight = 70;

enum class Flame { Short, Long };

// The jet seen from above, nose up, rolled by `bankDegrees` (positive banks
// right, the right wing dipping), with its afterburner flame.
platform::Image jetPicture(double bankDegrees, Flame flame);

inline constexpr int kEnemyWidth = 66;
inline constexpr int kEnemyHeight = 58;

// The enemy plane seen from above, nose down, flying towards the player.
platform::Image enemyPicture();

}  // namespace demo_gen
