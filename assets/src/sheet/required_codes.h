// Every sprite code the game creates or draws from anim_data.dat. (Code 90,
// the player, is set by the program itself and is not read from the file.)
#pragma once

#include <array>

namespace assets {

inline constexpr std::array<int, 42> kRequiredCodes{
    1,  2,  3,  4,  5,                       // enemy planes
    41, 42, 43, 44, 45, 46, 47,              // diver banks, climber, gunships, bomber
    49,                                      // boss
    50, 51, 52,                              // scenery islands
    53, 54, 55, 56, 57, 58,                  // surface units
    59, 60, 61, 62, 63, 64, 65, 66, 67, 68,  // shots
    70, 71,                                  // explosions
    79, 80, 81, 82, 83,                      // bonus items
    87, 88, 89,                              // boss arrival, start and game-over banners
};

inline constexpr int kMaxFrames = 7;

}  // namespace assets
