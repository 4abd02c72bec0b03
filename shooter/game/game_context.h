// What the game reads of the program around it. The shell owns the clock and
// the settings and hands them in here at the top of every frame (and before
// start-up resets the game); the game keeps no other copy. The screen size
// the game reads from the platform itself.
#pragma once

#include <cstdint>

namespace shooter {

// The sea's tiles and the spawner's columns for one screen size.
struct PlayfieldGrid {
  std::int32_t tileColumns, tileRows;             // 32x32 background tiles across and down
  std::uint8_t columns32, columns64, columns128;  // spawn columns across the screen
};

struct GameContext {
  double now = 0.0;                // the frame clock, in timer seconds
  std::uint8_t collisionType = 0;  // 0 = simple boxes, any other = per pixel
  double collisionInterval = 0.0;  // seconds between two collision passes
  PlayfieldGrid grid{};
};

extern GameContext gameContext;

}  // namespace shooter
