// The drifting clouds of the two flight scenes: five parallel 1-based tables
// of 50 entries (x, y, speed, translucent, visible). Clouds drift down by
// their speed on each scroll step and come back above the screen once they
// have left it; only the first five are ever drawn.
#pragma once

#include <array>
#include <cstdint>

#include "platform/image.h"
#include "testbench/sprites.h"

namespace demo {

inline constexpr std::int32_t kCloudSlots = 50;
inline constexpr std::int32_t kCloudsDrawn = 5;

struct CloudTable {
  using Column = std::array<std::int32_t, kCloudSlots + 1>;  // slot 0 unused
  Column x{};
  Column y{};
  Column speed{};
  Column translucent{};  // 0 or 1
  Column visible{};      // 0 or 1
};

// Start-up placement of cloud i, random numbers drawn in this order:
// x = floor(r * 639) - floor(r * 50), speed = floor(r * 5) + 1,
// y = -(cloudHeight + speed), then the translucent and visible coin tosses.
void setUpCloud(CloudTable& clouds, std::int32_t i, std::int32_t cloudHeight);
// A cloud that has left the bottom comes back higher up and faster:
// x = floor(r * 639) - floor(r * 250), speed = floor(r * 15) + 1,
// y = -(cloudHeight + speed) - floor(r * 150) + 1, then the two coin tosses.
void respawnCloud(CloudTable& clouds, std::int32_t i, std::int32_t cloudHeight);
// Moves clouds 1..last down by their speed, respawning those at y >= 479.
void moveClouds(CloudTable& clouds, std::int32_t last, std::int32_t cloudHeight);
// Draws the visible clouds among 1..5: translucent ones blended at an opacity
// of floor(r * 40) + 140 out of 255 drawn anew each time (they shimmer),
// the others with the key colour left out.
void drawClouds(const CloudTable& clouds, const testbench::Sprite& cloud, platform::Image& page);

}  // namespace demo
