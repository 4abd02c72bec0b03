// `collision_test`: four balls bounce off the four walls of a green frame
// and off each other; B shows the collision boxes (and drops the frame
// pacing), N hides them, the arrows move a character, and two text lines
// show the balls' directions and the frames per second. Esc leaves the
// loop; one more key ends the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"
#include "testbench/boxes.h"
#include "testbench/movers.h"
#include "testbench/sprites.h"
#include "demos/common/demo_main.h"

namespace collision_test {

inline constexpr const char* kTitle = "Quorl's Collision Detection Test 1";
inline constexpr double kKeyMoveInterval = 0.003;
inline constexpr double kFramePacing = 0.003;
inline constexpr platform::Colour kOutlineGreen = 0x0000FF00u;

struct CollisionTest {
  platform::Image background;
  platform::Image page;
  std::vector<testbench::Sprite> sprites;  // slots 1..10
  std::vector<testbench::Mover> movers;    // slots 1..10, 1 to 4 active
  std::vector<testbench::Box> boxes;       // slots 1..8
  testbench::Sprite player;
  std::int32_t playerX = 200;
  std::string moveCommand;  // "", "L" or "R"
  double lastKeyMove = 0.0;
  std::string showBoxes = "N";  // "Y": outlines, no pacing
  double frameCounter = 0.0;    // passes in the current second
  double lastSecondCount = 0.0;
  double secondStamp = 0.0;
  double frameStart = 0.0;
  demo::LoopEnd end = demo::LoopEnd::Running;
};

// False when the screen does not open; the program must then end.
bool startUp(CollisionTest& program);
bool runFrame(CollisionTest& program);
void shutDown(CollisionTest& program);
// Mover positions and directions, the player's x, the outline flag and the
// last second's frame count.
std::string summary(const CollisionTest& program);

// The two text lines: the four movers' directions separated by spaces, and
// the frame counter, four spaces and the last second's count.
std::string directionsLine(const std::vector<testbench::Mover>& movers);
std::string framesLine(double frameCounter, double lastSecondCount);

}  // namespace collision_test
