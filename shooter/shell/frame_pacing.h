// The pace of the main loop as a function of the clock alone: when a pass
// draws a frame, when a second is counted, and the once-a-second correction
// of the frame interval. The loop runs these; the world score verifier runs
// the same ones over a recording's clock readings, so the two cannot drift.
#pragma once

#include "shooter/shell/shell_state.h"

namespace shooter {

// A pass whose clock reading is `c.now` draws a frame.
inline bool frameIsDue(const FrameClock& c) { return c.now - c.lastFrameTime >= c.frameInterval; }

// A frame was drawn at `c.now`. True when it closes a counted second: then
// fpsValue holds that second's frames and the next second has begun.
inline bool countFrame(FrameClock& c) {
  ++c.framesThisSecond;
  if (c.now - c.lastSecondTime < 1.0) return false;
  c.fpsValue = c.framesThisSecond;
  c.framesThisSecond = 0;
  c.lastSecondTime = c.now;
  return true;
}

// After a counted second: nudge the interval towards the desired rate by
// 1 ms, with a dead band of 2 frames either side.
inline void correctFrameInterval(FrameClock& c, int desiredFps) {
  if (c.fpsValue < desiredFps - 2) {
    c.frameInterval -= 0.001;
  } else if (c.fpsValue > desiredFps + 2) {
    c.frameInterval += 0.001;
  }
}

}  // namespace shooter
