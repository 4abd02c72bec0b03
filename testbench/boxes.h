// Rectangular collision boxes. Boxes live in a 1-based table of which the
// shared BoxCount says how many slots are in use.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testbench {

struct Box {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::string kind;   // empty marks a deleted box
  std::int32_t solid = 0;  // only boxes with solid = 1 can be hit
  std::string group;  // boxes of equal groups never hit each other
};

// Slots 1..BoxCount of the program's box table are in use.
extern std::int32_t BoxCount;

// 1 when the rectangles overlap, edges inclusive: x1 + w1 >= x2,
// x1 <= x2 + w2, and the same vertically; else 0.
std::int32_t BoxesOverlap(const std::int32_t& x1, const std::int32_t& y1, const std::int32_t& w1,
                          const std::int32_t& h1, const std::int32_t& x2, const std::int32_t& y2,
                          const std::int32_t& w2, const std::int32_t& h2);
// "YES" when the box overlaps a solid box of another group among slots
// 1..BoxCount (never past the table's end), else "NO".
std::string CollidesWithAny(const Box& box, const std::vector<Box>& boxes);
// Moves the boxes with a kind to the front, in order, and lowers BoxCount to
// their number; slots past the new count keep their old contents.
void BoxListCompact(std::vector<Box>& boxes);

}  // namespace testbench
