// The box form of the mover update.
#include "testbench/movers.h"

#include <algorithm>

#include "platform/platform.h"
#include "testbench/bounce_directions.h"
#include "testbench/sound_channels.h"
#include "testbench/table.h"

namespace testbench {

namespace {

enum class BounceSound { EveryHit, DownOnly };

void stepMover(Mover& mover, Box& box, const std::vector<Box>& boxes, BounceSound sound, double now) {
  const DirectionStep move = DirectionMovement(mover.direction);
  box.x += move.dx * mover.step;
  box.y += move.dy * mover.step;
  if (CollidesWithAny(box, boxes) == "YES") {
    if (sound == BounceSound::EveryHit || mover.direction == "2") SoundPlay(mover.bounceSound);
    const std::string hit = mover.direction;
    mover.direction = DrawBounceDirection(hit);
    box.x -= move.dx * mover.step;
    box.y -= move.dy * mover.step;
  }
  mover.x = box.x;
  mover.y = box.y;
  mover.lastStepTime = now;
}

void updateMovers(std::vector<Mover>& movers, platform::Image& target, std::vector<Box>& boxes, BounceSound sound) {
  const std::int32_t last = std::min(UpperBound(movers), UpperBound(boxes));
  for (std::int32_t i = 1; i <= last; ++i) {
    Mover& mover = movers[static_cast<std::size_t>(i)];
    if (mover.direction.empty()) continue;
    Box& box = boxes[static_cast<std::size_t>(i)];
    const double now = platform::timer();
    if (now - mover.lastStepTime >= mover.interval) stepMover(mover, box, boxes, sound, now);
    mover.x = box.x;
    mover.y = box.y;
    DrawMover(mover, target);
  }
}

}  // namespace

void DrawMover(const Mover& mover, platform::Image& target) {
  if (mover.image) platform::drawImage(target, mover.x, mover.y, *mover.image, platform::DrawMode::Transparent);
}

void UpdateMovers(std::vector<Mover>& movers, platform::Image& target, std::vector<Box>& boxes) {
  updateMovers(movers, target, boxes, BounceSound::EveryHit);
}

void UpdateMoversSoundDown(std::vector<Mover>& movers, platform::Image& target, std::vector<Box>& boxes) {
  updateMovers(movers, target, boxes, BounceSound::DownOnly);
}

}  // namespace testbench
