// `timing_test`: four balls inside a green frame, each stepping one pixel at
// its own interval and sounding its own note at every bounce, and a
// character moved with the arrow keys whose x position is shown as text.
// Esc leaves the loop; one more key ends the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"
#include "testbench/movers.h"
#include "testbench/sprites.h"
#include "demos/common/demo_main.h"

namespace timing_test {

inline constexpr const char* kTitle = "Quorl's Timing Test 1";
inline constexpr double kKeyMoveInterval = 0.03;

struct TimingTest {
  platform::Image background;
  platform::Image page;
  std::vector<testbench::Sprite> sprites;  // slots 1..10
  std::vector<testbench::Mover> movers;    // slots 1..10, 1 to 4 active
  testbench::Sprite player;
  std::int32_t playerX = 200;
  double lastKeyMove = 0.0;  // shared by Left and Right
  demo::LoopEnd end = demo::LoopEnd::Running;
};

// False when the screen does not open; the program must then end.
bool startUp(TimingTest& program);
bool runFrame(TimingTest& program);
// Waits for a key press (unless the window was closed), then releases
// everything and closes the sound channels.
void shutDown(TimingTest& program);
// Mover positions and directions and the player's x.
std::string summary(const TimingTest& program);
// The text line drawn at (200, 200).
std::string playerLine(std::int32_t playerX);

}  // namespace timing_test
