// Touches as key presses: the floating stick and the tap targets.
#include "platform/touch_keys.h"

#include <cmath>
#include <cstdlib>

#include "platform/key_codes.h"

namespace platform {

namespace {

// A direction holds its arrow when the stick's travel along it is at least
// cos(67.5 degrees) of the whole travel: eight sectors of 45 degrees each.
constexpr double kAxisShare = 0.38268343236508984;

struct ArrowRow {
  int scancode;
  double x, y;  // unit direction, screen y pointing down
};
constexpr std::array<ArrowRow, 4> kArrows{{
    {key::Left, -1.0, 0.0},
    {key::Right, 1.0, 0.0},
    {key::Up, 0.0, -1.0},
    {key::Down, 0.0, 1.0},
}};
static_assert(kArrows.size() == 4);

}  // namespace

void TouchKeys::declare(TouchUse use, std::span<const TapTarget> targets) {
  use_ = use;
  targets_.assign(targets.begin(), targets.end());
}

void TouchKeys::hold(int scancode, bool down, InputSink& sink) {
  sink.key(kTouchKeyBase + scancode, scancode, down, false);
}

void TouchKeys::setArrows(double dx, double dy, InputSink& sink) {
  const double travel = std::hypot(dx, dy);
  for (std::size_t i = 0; i < kArrows.size(); ++i) {
    const double along = (dx * kArrows[i].x + dy * kArrows[i].y);
    const bool wanted = travel >= kStickDeadZone && along >= kAxisShare * travel;
    if (wanted != arrowsHeld_[i]) hold(kArrows[i].scancode, wanted, sink);
    arrowsHeld_[i] = wanted;
  }
}

void TouchKeys::releaseStick(InputSink& sink) {
  setArrows(0.0, 0.0, sink);
  if (fireHeld_) hold(key::Space, false, sink);
  fireHeld_ = false;
  stickFinger_.reset();
}

std::optional<std::size_t> TouchKeys::targetAt(double x, double y) const {
  for (std::size_t i = 0; i < targets_.size(); ++i) {
    const TapTarget& t = targets_[i];
    if (x >= t.left && x < t.right && y >= t.top && y < t.bottom) return i;
  }
  return std::nullopt;
}

void TouchKeys::queueTap(int scancode, double at) {
  presses_.push_back({at, scancode, true});
  presses_.push_back({at + kTapHoldSeconds, scancode, false});
}

void TouchKeys::touchStarted(const TouchPoint& touch, double now, InputSink& sink) {
  if ((use_ == TouchUse::Stick || use_ == TouchUse::Steer) && !stickFinger_) {
    stickFinger_ = touch.id;
    centreX_ = touch.cssX;
    centreY_ = touch.cssY;
    fireHeld_ = use_ == TouchUse::Stick;
    if (fireHeld_) hold(key::Space, true, sink);
  } else if (use_ == TouchUse::Taps && !tapFinger_ && presses_.empty()) {
    if (const auto target = targetAt(touch.screenX, touch.screenY)) {
      tapFinger_ = touch.id;
      tapTarget_ = *target;
    }
  }
  advance(now, sink);
}

void TouchKeys::touchMoved(const TouchPoint& touch, InputSink& sink) {
  if (stickFinger_ == touch.id) setArrows(touch.cssX - centreX_, touch.cssY - centreY_, sink);
}

void TouchKeys::touchEnded(const TouchPoint& touch, double now, InputSink& sink) {
  if (stickFinger_ == touch.id) releaseStick(sink);
  if (tapFinger_ == touch.id) {
    tapFinger_.reset();
    // Only a finger lifted over the target it went down on taps it.
    if (use_ == TouchUse::Taps && targetAt(touch.screenX, touch.screenY) == tapTarget_) {
      const TapTarget& target = targets_[tapTarget_];
      double at = now;
      for (int i = 0; i < std::abs(target.cursorSteps); ++i, at += kTapSpacingSeconds) {
        queueTap(target.cursorSteps > 0 ? key::Down : key::Up, at);
      }
      queueTap(target.key, at);
    }
  }
  advance(now, sink);
}

void TouchKeys::pausePressed(double now, InputSink& sink) {
  if (use_ == TouchUse::Stick && presses_.empty()) queueTap(key::Esc, now);
  advance(now, sink);
}

void TouchKeys::buttonChanged(int scancode, bool down, InputSink& sink) {
  if (scancode > 0 && scancode < key::kCount) hold(scancode, down, sink);
}

void TouchKeys::advance(double now, InputSink& sink) {
  // A stick still held when the screen stops using it (the pause screen
  // opened) lets go at once: fire left held would choose its first item.
  if (use_ != TouchUse::Stick && use_ != TouchUse::Steer && stickFinger_) releaseStick(sink);
  while (!presses_.empty() && presses_.front().at <= now) {
    hold(presses_.front().scancode, presses_.front().down, sink);
    presses_.pop_front();
  }
}

void TouchKeys::releaseAll(InputSink& sink) {
  releaseStick(sink);
  tapFinger_.reset();
  // A tap under way sends only the release of a key it pressed already (a
  // press and its release are queued together, before the next press).
  if (!presses_.empty() && !presses_.front().down) hold(presses_.front().scancode, false, sink);
  presses_.clear();
}

}  // namespace platform
