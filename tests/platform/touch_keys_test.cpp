// Touches as key presses (the browser backend's touch controls): the
// stick's eight directions and dead zone, fire while the finger is down,
// everything let go on lifting or when the screen stops using the stick,
// and menu taps as paced cursor keys then Enter.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/touch_keys.h"
#include "platform/key_codes.h"

using namespace platform;

namespace {

// Keeps the key changes a touch made, as "+57" / "-57" (scancodes).
struct SinkLog final : InputSink {
  std::vector<std::string> lines;
  void key(int physicalKey, int scancode, bool down, bool repeat) override {
    EXPECT_EQ(physicalKey, kTouchKeyBase + scancode);
    EXPECT_FALSE(repeat);
    lines.push_back((down ? "+" : "-") + std::to_string(scancode));
  }
  void padButton(PadButton, bool) override { lines.push_back("pad"); }
  void padAxis(PadAxis, double) override { lines.push_back("axis"); }
  void padRemoved() override {}
  void focusLost() override {}
  void closeRequested() override {}
  void textTyped(std::string) override { lines.push_back("text"); }
  std::vector<std::string> take() { return std::exchange(lines, {}); }
};

using Lines = std::vector<std::string>;
const std::string kSpace = std::to_string(key::Space);
const std::string kLeft = std::to_string(key::Left);
const std::string kRight = std::to_string(key::Right);
const std::string kUp = std::to_string(key::Up);
const std::string kDown = std::to_string(key::Down);
const std::string kEnter = std::to_string(key::Enter);
const std::string kEsc = std::to_string(key::Esc);

TouchPoint at(int id, double cssX, double cssY) { return {id, cssX, cssY, cssX, cssY}; }

TEST(TouchKeys, StickHoldsTheArrowsOfItsEightDirectionsAndFireWhileDown) {
  TouchKeys touch;
  SinkLog log;
  touch.declare(TouchUse::Stick, {});
  touch.touchStarted(at(7, 100, 100), 0.0, log);
  EXPECT_EQ(log.take(), Lines{"+" + kSpace});
  // Inside the dead zone nothing is held, however the finger wobbles.
  touch.touchMoved(at(7, 100 + kStickDeadZone * 0.7, 100 - kStickDeadZone * 0.7), log);
  EXPECT_EQ(log.take(), Lines{});
  touch.touchMoved(at(7, 140, 100), log);  // right
  EXPECT_EQ(log.take(), Lines{"+" + kRight});
  touch.touchMoved(at(7, 140, 62), log);  // up and right (45 degrees)
  EXPECT_EQ(log.take(), Lines{"+" + kUp});
  touch.touchMoved(at(7, 110, 60), log);  // about 76 degrees up: up alone
  EXPECT_EQ(log.take(), Lines{"-" + kRight});
  touch.touchMoved(at(7, 60, 140), log);  // down and left
  EXPECT_EQ(log.take(), (Lines{"+" + kLeft, "-" + kUp, "+" + kDown}));
  // A second finger is no stick of its own.
  touch.touchStarted(at(8, 300, 300), 0.1, log);
  touch.touchMoved(at(8, 200, 300), log);
  touch.touchEnded(at(8, 200, 300), 0.2, log);
  EXPECT_EQ(log.take(), Lines{});
  touch.touchEnded(at(7, 60, 140), 0.3, log);
  EXPECT_EQ(log.take(), (Lines{"-" + kLeft, "-" + kDown, "-" + kSpace}));
  // The next finger down is the new centre.
  touch.touchStarted(at(9, 60, 140), 0.4, log);
  touch.touchMoved(at(9, 60, 160), log);
  EXPECT_EQ(log.take(), (Lines{"+" + kSpace, "+" + kDown}));
}

TEST(TouchKeys, TheStickLetsGoWhenTheScreenStopsUsingItAndPauseTapsEsc) {
  TouchKeys touch;
  SinkLog log;
  touch.declare(TouchUse::Stick, {});
  touch.touchStarted(at(1, 100, 100), 0.0, log);
  touch.touchMoved(at(1, 60, 100), log);
  touch.pausePressed(1.0, log);
  EXPECT_EQ(log.take(), (Lines{"+" + kSpace, "+" + kLeft, "+" + kEsc}));
  // The pause screen opens: nothing may stay held into its menu.
  touch.declare(TouchUse::Taps, {});
  touch.advance(1.0 + kTapHoldSeconds, log);
  EXPECT_EQ(log.take(), (Lines{"-" + kLeft, "-" + kSpace, "-" + kEsc}));
  touch.touchMoved(at(1, 160, 100), log);
  touch.touchEnded(at(1, 160, 100), 1.5, log);
  EXPECT_EQ(log.take(), Lines{});
  // Esc only pauses a game: on a menu it would end the program.
  touch.pausePressed(2.0, log);
  touch.advance(3.0, log);
  EXPECT_EQ(log.take(), Lines{});
}

TEST(TouchKeys, SteeringHoldsNoFireAndTheDemoButtonsHoldTheirKeys) {
  TouchKeys touch;
  SinkLog log;
  touch.declare(TouchUse::Steer, {});
  touch.touchStarted(at(1, 100, 100), 0.0, log);
  touch.touchMoved(at(1, 100, 60), log);
  touch.buttonChanged(key::A, true, log);
  touch.buttonChanged(key::A, false, log);
  touch.buttonChanged(key::kCount, true, log);  // no such key
  touch.advance(1.0, log);
  touch.touchEnded(at(1, 100, 60), 1.0, log);
  const std::string a = std::to_string(key::A);
  EXPECT_EQ(log.take(), (Lines{"+" + kUp, "+" + a, "-" + a, "-" + kUp}));
}

TEST(TouchKeys, ATapMovesTheCursorWithPacedKeysThenChooses) {
  TouchKeys touch;
  SinkLog log;
  const std::vector<TapTarget> menu{{0, 0, 100, 20, -1, key::Enter}, {0, 20, 100, 40, 0, key::Enter},
                                    {0, 40, 100, 60, 2, key::Enter}};
  touch.declare(TouchUse::Taps, menu);
  // Down on one item and lifted over another chooses nothing.
  touch.touchStarted(at(1, 50, 10), 0.0, log);
  touch.touchEnded(at(1, 50, 30), 0.1, log);
  touch.advance(5.0, log);
  EXPECT_EQ(log.take(), Lines{});
  touch.touchStarted(at(2, 50, 50), 10.0, log);
  touch.touchEnded(at(2, 52, 55), 10.0, log);
  EXPECT_EQ(log.take(), Lines{"+" + kDown});
  // A second tap while the first is under way is ignored.
  touch.touchStarted(at(3, 50, 10), 10.01, log);
  touch.touchEnded(at(3, 50, 10), 10.02, log);
  EXPECT_EQ(log.take(), Lines{});
  touch.advance(10.0 + kTapHoldSeconds, log);
  EXPECT_EQ(log.take(), Lines{"-" + kDown});
  // The next press waits for the menu's key gate (0.175 s).
  touch.advance(10.0 + 0.18, log);
  EXPECT_EQ(log.take(), Lines{});
  touch.advance(10.0 + kTapSpacingSeconds, log);
  EXPECT_EQ(log.take(), Lines{"+" + kDown});
  touch.advance(20.0, log);
  EXPECT_EQ(log.take(), (Lines{"-" + kDown, "+" + kEnter, "-" + kEnter}));
  // Up for a negative count; outside every target nothing.
  touch.touchStarted(at(4, 50, 5), 30.0, log);
  touch.touchEnded(at(4, 50, 5), 30.0, log);
  touch.touchStarted(at(5, 150, 5), 31.0, log);
  touch.touchEnded(at(5, 150, 5), 31.0, log);
  touch.advance(40.0, log);
  EXPECT_EQ(log.take(), (Lines{"+" + kUp, "-" + kUp, "+" + kEnter, "-" + kEnter}));
  // A focus loss mid-tap lets go of the key it holds and drops the rest.
  touch.touchStarted(at(6, 50, 50), 50.0, log);
  touch.touchEnded(at(6, 50, 50), 50.0, log);
  touch.releaseAll(log);
  touch.advance(60.0, log);
  EXPECT_EQ(log.take(), (Lines{"+" + kDown, "-" + kDown}));
}

}  // namespace
