// Point value (the score for a kill, and the starting hit points the spawner
// gives a unit) and collision box size of every sprite code in anim_data.dat.
//
// Balance, with player shots doing 10 damage at power 1 and 20 from power 2:
// - Small planes take their hit points from code 44: 20, so two power-1 shots
//   or one power-2 shot. Codes 1 to 5 still score by their own value.
// - Gunships 45/46 take three power-2 shots, the bomber 47 about six.
// - The boss: at power 3 a volley leaves every 0.33 s with one 20-damage
//   forward shot (the side shots fly sideways and rarely touch a unit that
//   sits above the player), about 60 damage a second, so 600 hit points fall
//   in roughly ten seconds of steady fire. Each boss cycle it survives doubles
//   them.
// - The boss arrival takes 900 so it cannot be shot down in the four seconds
//   it needs to arrive, but is not invulnerable.
// - Scenery has 0: it never collides.
#pragma once

#include <array>

namespace assets {

struct SpriteStats {
  int code;
  int points;
  int width;
  int height;
};

inline constexpr std::array<SpriteStats, 42> kSpriteStats{{
    {1, 10, 40, 40},
    {2, 10, 40, 40},
    {3, 15, 40, 40},
    {4, 15, 40, 40},
    {5, 20, 40, 40},
    {41, 25, 40, 40},
    {42, 25, 40, 40},
    {43, 25, 40, 40},
    {44, 20, 40, 40},
    {45, 60, 54, 48},
    {46, 60, 62, 44},
    {47, 120, 72, 56},
    {49, 600, 96, 80},
    {50, 0, 64, 64},
    {51, 0, 64, 64},
    {52, 0, 64, 64},
    {53, 40, 32, 32},
    {54, 40, 24, 48},
    {55, 20, 24, 24},
    {56, 100, 32, 96},
    {57, 100, 32, 96},
    {58, 200, 32, 176},
    {59, 0, 18, 18},
    {60, 0, 18, 18},
    {61, 0, 18, 18},
    {62, 0, 18, 18},
    {63, 0, 18, 18},
    {64, 0, 18, 18},
    {65, 0, 18, 18},
    {66, 0, 18, 18},
    {67, 0, 18, 18},
    {68, 0, 14, 14},
    {70, 0, 32, 32},
    {71, 0, 64, 64},
    {79, 0, 32, 31},
    {80, 0, 32, 32},
    {81, 0, 32, 32},
    {82, 0, 32, 32},
    {83, 0, 32, 32},
    {87, 900, 82, 70},
    {88, 0, 100, 20},
    {89, 0, 100, 40},
}};

}  // namespace assets
