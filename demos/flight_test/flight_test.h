// `flight_test`: a jet over scrolling ground under drifting clouds. The
// arrow keys fly and bank it, A fires missile pairs on release, keypad plus
// and minus change the scroll speed, Space shows three enemy planes, Esc
// quits. Three lines of diagnostics show the scroll speed and the frames.
//
// The program is driven a pass at a time: startUp, runFrame until it
// returns false, shutDown.
#pragma once

#include <cstdint>
#include <string>

#include "demos/common/flight_scene.h"
#include "demos/flight_test/bank_frames.h"

namespace flight_test {

inline constexpr std::int32_t kCloudsUsed = 20;

// The flight scene's sprites, pages, jet, ground, fire key, clouds and
// missiles, with the banking frames and the scroll speed keys.
struct FlightTest : demo::FlightScene {
  std::int32_t jetFrame = 11;  // the sprite slot the jet is drawn with
  std::int32_t lastFrame = 0;  // the frame after the left selector's step
  double frameTimeStep = 0.05;
  double lastFrameChange = 0.0;
  BankFrameState rightBank;
  BankFrameState leftBank;
  std::string turn;  // "", "L" or "R"
  std::string previousTurn;

  std::int32_t scrollSpeed = 3;  // never below 0
  std::int32_t groundX = 0;
  double lastSpeedCheck = 0.0;
};

// False when the screen does not open; the program must then end.
bool startUp(FlightTest& program);
// One pass of the main loop; false once Esc is held or the window closes.
bool runFrame(FlightTest& program);
void shutDown(FlightTest& program);
// The timedemo summary's figures: jet position and frame, scroll speed and
// flying missiles.
std::string summary(const FlightTest& program);

}  // namespace flight_test
