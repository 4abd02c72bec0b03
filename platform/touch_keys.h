// Touches as the key presses the keyboard would send, decided once beside
// the InputTranslator for any backend with a touch screen. The browser
// backend hands every touch here; the keys go out through the same InputSink
// as the keyboard's, so a game played by touch records and replays like one
// played on keys.
//
//  - Stick: the first finger down sets the stick's centre; moved past a small
//    dead zone it holds the arrows of its direction (eight directions), and
//    fire (Space) is held while it is down. Lifting it releases everything.
//    The page's pause button taps Esc. Steer is the stick without fire, for
//    pages whose keys are buttons of their own.
//  - Taps: a finger lifted over the target it went down on taps Down (or Up)
//    as many times as the target says, then its key, paced so that the
//    program's menu key gate lets each press through.
#pragma once

#include <array>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "platform/backend.h"
#include "platform/touch_targets.h"

namespace platform {

// Stick travel, in CSS pixels, under which no arrow is held.
inline constexpr double kStickDeadZone = 12.0;
// A tap's key is held this long, and the next one goes down this long after
// it went down: longer than a menu's key gate (0.175 s) and a frame.
inline constexpr double kTapHoldSeconds = 0.06;
inline constexpr double kTapSpacingSeconds = 0.24;
// The key numbers touch presses use, apart from every keyboard key's, so a
// key held on both is released only when both let go.
inline constexpr int kTouchKeyBase = 0x10000;

struct TouchPoint {
  int id;
  double screenX, screenY;  // in the program's screen pixels
  double cssX, cssY;        // in the page's CSS pixels
};

class TouchKeys {
 public:
  // The screen's declaration; the last one stands.
  void declare(TouchUse use, std::span<const TapTarget> targets);
  TouchUse use() const { return use_; }

  void touchStarted(const TouchPoint& touch, double now, InputSink& sink);
  void touchMoved(const TouchPoint& touch, InputSink& sink);
  void touchEnded(const TouchPoint& touch, double now, InputSink& sink);
  // The page's pause button: Esc while the stick is in use.
  void pausePressed(double now, InputSink& sink);
  // One of the page's key buttons (the demo pages) went down or up.
  void buttonChanged(int scancode, bool down, InputSink& sink);
  // Sends the tap presses that are due, and lets the stick go once the
  // screen no longer uses it.
  void advance(double now, InputSink& sink);
  // Everything held is let go (the page lost focus).
  void releaseAll(InputSink& sink);

 private:
  struct Press {
    double at;
    int scancode;
    bool down;
  };
  void hold(int scancode, bool down, InputSink& sink);
  void setArrows(double dx, double dy, InputSink& sink);
  void releaseStick(InputSink& sink);
  std::optional<std::size_t> targetAt(double x, double y) const;
  void queueTap(int scancode, double at);

  TouchUse use_ = TouchUse::None;
  std::vector<TapTarget> targets_;
  std::optional<int> stickFinger_;
  double centreX_ = 0.0, centreY_ = 0.0;
  std::array<bool, 4> arrowsHeld_{};  // by row of the arrow table in touch_keys.cpp
  bool fireHeld_ = false;
  std::optional<int> tapFinger_;
  std::size_t tapTarget_ = 0;
  std::deque<Press> presses_;  // a tap's presses, in time order
};

}  // namespace platform
