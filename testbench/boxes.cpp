#include "testbench/boxes.h"

#include <algorithm>

#include "testbench/table.h"

namespace testbench {

std::int32_t BoxCount = 0;

namespace {

std::int32_t usedSlots(const std::vector<Box>& boxes) { return std::clamp(BoxCount, 0, UpperBound(boxes)); }

}  // namespace

std::int32_t BoxesOverlap(const std::int32_t& x1, const std::int32_t& y1, const std::int32_t& w1,
                          const std::int32_t& h1, const std::int32_t& x2, const std::int32_t& y2,
                          const std::int32_t& w2, const std::int32_t& h2) {
  // Sums in 64 bits, so boxes near the integer limits cannot wrap.
  const auto sum = [](std::int32_t a, std::int32_t b) { return std::int64_t{a} + b; };
  return sum(x1, w1) >= x2 && x1 <= sum(x2, w2) && sum(y1, h1) >= y2 && y1 <= sum(y2, h2) ? 1 : 0;
}

std::string CollidesWithAny(const Box& box, const std::vector<Box>& boxes) {
  const std::int32_t used = usedSlots(boxes);
  for (std::int32_t i = 1; i <= used; ++i) {
    const Box& other = boxes[static_cast<std::size_t>(i)];
    if (other.group != box.group && other.solid == 1 &&
        BoxesOverlap(box.x, box.y, box.width, box.height, other.x, other.y, other.width, other.height) == 1) {
      return "YES";
    }
  }
  return "NO";
}

void BoxListCompact(std::vector<Box>& boxes) {
  const std::int32_t used = usedSlots(boxes);
  if (used == 0) return;
  std::vector<Box> kept;
  kept.reserve(static_cast<std::size_t>(used));
  for (std::int32_t i = 1; i <= used; ++i) {
    const Box& box = boxes[static_cast<std::size_t>(i)];
    if (!box.kind.empty()) kept.push_back(box);
  }
  for (std::size_t k = 0; k < kept.size(); ++k) boxes[k + 1] = kept[k];
  BoxCount = static_cast<std::int32_t>(kept.size());
}

}  // namespace testbench
