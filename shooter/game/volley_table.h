// The shots of one volley by shot power, relative to the craft's top-left.
#pragma once

#include <array>
#include <cstdint>

namespace shooter {

struct VolleyShot {
  std::uint8_t minPower, maxPower;  // fired at these powers
  std::int8_t x, y;                 // offset from (playerX, playerY)
  std::int8_t dx, dy;               // pixels per frame
  std::uint8_t spriteCode, damage;
};

// clang-format off
inline constexpr auto kVolleyShots = std::to_array<VolleyShot>({
    {1, 1,   23, -10,  0, -4, 59, 10},  // forward, the weak shot of power 1
    {2, 255, 23, -10,  0, -4, 60, 20},  // forward, the strong shot
    {3, 255, -8,  10, -4,  0, 62, 10},  // left
    {3, 255, 54,  10,  4,  0, 63, 10},  // right
    {4, 255, 23,  36,  0,  4, 61, 20},  // backward
    {5, 255, -6,  -6, -4, -4, 64, 10},  // four diagonals
    {5, 255, 52,  -6,  4, -4, 65, 10},
    {5, 255, -6,  36, -4,  4, 66, 10},
    {5, 255, 52,  36,  4,  4, 67, 10},
});
// clang-format on
static_assert(kVolleyShots.size() == 9);

}  // namespace shooter
