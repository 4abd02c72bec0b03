// `flight_test_plain`: the simpler flight scene. One still jet picture, the
// ground at a fixed speed, five drifting clouds, missiles and sounds; no
// banking, diagnostics or enemy planes. Arrows fly, A fires on release, Esc
// quits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"
#include "testbench/missiles.h"
#include "testbench/sprites.h"
#include "demos/common/clouds.h"
#include "demos/common/demo_main.h"
#include "demos/common/jet_flight.h"

namespace flight_test_plain {

inline constexpr const char* kTitle = "Quorl's Flight Test";
inline constexpr std::int32_t kSpriteSlots = 100;
inline constexpr std::int32_t kCloudsSetUp = 10;
inline constexpr std::int32_t kCloudsMoved = 5;
inline constexpr std::int32_t kGroundSpeed = 3;

struct PlainFlight {
  std::vector<testbench::Sprite> sprites;  // slots 1..100, 1 to 4 loaded
  platform::Image clearImage;
  platform::Image page;
  demo::JetMotion jet;
  std::int32_t groundY = 0;
  double scrollInterval = 0.005;
  double lastScrollStep = demo::kLongAgo;
  demo::FireControl fire;
  demo::CloudTable clouds;
  std::vector<testbench::Missile> missiles;  // slots 1..100
  demo::LoopEnd end = demo::LoopEnd::Running;
};

// False when the screen does not open; the program must then end.
bool startUp(PlainFlight& program);
bool runFrame(PlainFlight& program);
void shutDown(PlainFlight& program);
// Jet position and flying missiles for the timedemo summary.
std::string summary(const PlainFlight& program);

}  // namespace flight_test_plain
