#include "demos/common/clouds.h"

#include <cmath>

#include "platform/platform.h"
#include "demos/common/sprite_files.h"

namespace demo {

namespace {

// The bottom row of the screen; a cloud at or below it has left.
constexpr std::int32_t kLeftScreenAt = 479;

// floor(r * n) for a fresh uniform r in [0, 1).
std::int32_t randomBelow(std::int32_t n) {
  return static_cast<std::int32_t>(std::floor(platform::randomUnit() * n));
}

// A toss of floor(r * 10) + 1 > 5: 1 half of the time.
std::int32_t coinToss() { return randomBelow(10) + 1 > 5 ? 1 : 0; }

std::size_t slot(std::int32_t i) { return static_cast<std::size_t>(i); }

}  // namespace

void setUpCloud(CloudTable& clouds, std::int32_t i, std::int32_t cloudHeight) {
  if (i < 1 || i > kCloudSlots) return;
  const std::int32_t across = randomBelow(639);
  clouds.x[slot(i)] = across - randomBelow(50);
  clouds.speed[slot(i)] = randomBelow(5) + 1;
  clouds.y[slot(i)] = -(cloudHeight + clouds.speed[slot(i)]);
  clouds.translucent[slot(i)] = coinToss();
  clouds.visible[slot(i)] = coinToss();
}

void respawnCloud(CloudTable& clouds, std::int32_t i, std::int32_t cloudHeight) {
  if (i < 1 || i > kCloudSlots) return;
  const std::int32_t across = randomBelow(639);
  clouds.x[slot(i)] = across - randomBelow(250);
  clouds.speed[slot(i)] = randomBelow(15) + 1;
  clouds.y[slot(i)] = -(cloudHeight + clouds.speed[slot(i)]);
  clouds.y[slot(i)] = clouds.y[slot(i)] - randomBelow(150) + 1;
  clouds.translucent[slot(i)] = coinToss();
  clouds.visible[slot(i)] = coinToss();
}

void moveClouds(CloudTable& clouds, std::int32_t last, std::int32_t cloudHeight) {
  if (last > kCloudSlots) last = kCloudSlots;
  for (std::int32_t i = 1; i <= last; ++i) {
    clouds.y[slot(i)] += clouds.speed[slot(i)];
    if (clouds.y[slot(i)] >= kLeftScreenAt) respawnCloud(clouds, i, cloudHeight);
  }
}

void drawClouds(const CloudTable& clouds, const testbench::Sprite& cloud, platform::Image& page) {
  for (std::int32_t i = 1; i <= kCloudsDrawn; ++i) {
    if (clouds.visible[slot(i)] != 1) continue;
    const int x = clouds.x[slot(i)];
    const int y = clouds.y[slot(i)];
    if (clouds.translucent[slot(i)] == 1) {
      drawSprite(page, x, y, cloud, platform::DrawMode::Blend, randomBelow(40) + 140);
    } else {
      drawSprite(page, x, y, cloud, platform::DrawMode::Transparent);
    }
  }
}

}  // namespace demo
