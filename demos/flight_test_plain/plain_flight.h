// `flight_test_plain`: the simpler flight scene. One still jet picture, the
// ground at a fixed speed, five drifting clouds, missiles and sounds; no
// banking, diagnostics or enemy planes. Arrows fly, A fires on release, Esc
// quits.
#pragma once

#include <cstdint>
#include <string>

#include "demos/common/flight_scene.h"

namespace flight_test_plain {

inline constexpr std::int32_t kCloudsSetUp = 10;
inline constexpr std::int32_t kCloudsMoved = 5;
inline constexpr std::int32_t kGroundSpeed = 3;

// The flight scene as it is, with sprite slots 1 to 4 loaded.
struct PlainFlight : demo::FlightScene {};

// False when the screen does not open; the program must then end.
bool startUp(PlainFlight& program);
bool runFrame(PlainFlight& program);
void shutDown(PlainFlight& program);
// Jet position and flying missiles for the timedemo summary.
std::string summary(const PlainFlight& program);

}  // namespace flight_test_plain
