// The eight directions of movers and the turn a mover takes after a hit.
//   "1" up, "2" down, "3" left, "4" right,
//   "5" up-left, "6" up-right, "7" down-left, "8" down-right.
#pragma once

#include <cstdint>
#include <string>

namespace testbench {

// Per-step change along each axis, in units of the mover's step: -1, 0 or 1.
// Any text other than "1" to "8" moves nothing.
struct DirectionStep {
  std::int32_t dx = 0;
  std::int32_t dy = 0;
};
DirectionStep DirectionMovement(const std::string& direction);

// The drawn direction d (1 to 8) after the replacements for a hit while
// moving in `hitDirection`, tested in order, each on the result of the one
// before: up: 1->2, 5->8, 6->7; down: 2->1, 8->5, 7->6; left: 3->4, 5->8,
// 7->6; right: 4->3, 8->5, 6->7. Diagonal hits replace nothing.
std::int32_t ReplaceBounceDirection(const std::string& hitDirection, std::int32_t drawn);

// Draws d = floor(r * 8) + 1 from the platform's random numbers and applies
// the replacements of `hitDirection`; returns it as text.
std::string DrawBounceDirection(const std::string& hitDirection);

}  // namespace testbench
