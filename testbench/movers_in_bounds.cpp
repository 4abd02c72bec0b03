// The timing test's mover update: bounces inside a fixed rectangle.
#include <algorithm>

#include "platform/platform.h"
#include "testbench/bounce_directions.h"
#include "testbench/movers.h"
#include "testbench/table.h"
#include "testbench/timing_sound.h"

namespace testbench {

namespace {

// The inner edge of the timing test's green frame.
constexpr std::int32_t kLeftLimit = 10;
constexpr std::int32_t kRightLimit = 628;
constexpr std::int32_t kTopLimit = 10;
constexpr std::int32_t kBottomLimit = 468;

void bounce(Mover& mover, const char* blockedDirection) {
  timing::SoundPlay(mover.bounceSound);
  mover.direction = DrawBounceDirection(blockedDirection);
}

void stepInBounds(Mover& mover, double now) {
  // Both axes follow the direction the mover had when the step began.
  const DirectionStep move = DirectionMovement(mover.direction);
  if (move.dx < 0) {
    if (mover.x <= kLeftLimit) {
      mover.x = kLeftLimit;
      bounce(mover, "3");
    } else {
      mover.x -= mover.step;
    }
  } else if (move.dx > 0) {
    if (mover.x + mover.width > kRightLimit) {
      mover.x = kRightLimit + 1 - mover.width;
      bounce(mover, "4");
    } else {
      mover.x += mover.step;
    }
  }
  if (move.dy < 0) {
    if (mover.y <= kTopLimit) {
      mover.y = kTopLimit;
      bounce(mover, "1");
    } else {
      mover.y -= mover.step;
    }
  } else if (move.dy > 0) {
    if (mover.y + mover.height > kBottomLimit) {
      mover.y = kBottomLimit + 1 - mover.height;
      bounce(mover, "2");
    } else {
      mover.y += mover.step;
    }
  }
  mover.lastStepTime = now;
}

}  // namespace

void UpdateMoversInBounds(std::vector<Mover>& movers, platform::Image& target) {
  const std::int32_t last = UpperBound(movers);
  for (std::int32_t i = 1; i <= last; ++i) {
    Mover& mover = movers[static_cast<std::size_t>(i)];
    if (mover.direction.empty()) continue;
    const double now = platform::timer();
    if (now - mover.lastStepTime >= mover.interval) stepInBounds(mover, now);
    DrawMover(mover, target);
  }
}

}  // namespace testbench
