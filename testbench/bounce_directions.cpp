#include "testbench/bounce_directions.h"

#include <array>
#include <cmath>

#include "platform/platform.h"
#include "platform/text_convert.h"

namespace testbench {

namespace {

struct DirectionRow {
  const char* text;
  std::int32_t dx;
  std::int32_t dy;
};
constexpr auto kDirections = std::to_array<DirectionRow>({
    {"1", 0, -1},
    {"2", 0, 1},
    {"3", -1, 0},
    {"4", 1, 0},
    {"5", -1, -1},
    {"6", 1, -1},
    {"7", -1, 1},
    {"8", 1, 1},
});
static_assert(kDirections.size() == 8);

struct ReplacementRow {
  char hit;  // the straight direction the mover was moving in
  std::int32_t from;
  std::int32_t to;
};
// Listed in the order the replacements are tested.
constexpr auto kReplacements = std::to_array<ReplacementRow>({
    {'1', 1, 2}, {'1', 5, 8}, {'1', 6, 7},
    {'2', 2, 1}, {'2', 8, 5}, {'2', 7, 6},
    {'3', 3, 4}, {'3', 5, 8}, {'3', 7, 6},
    {'4', 4, 3}, {'4', 8, 5}, {'4', 6, 7},
});
static_assert(kReplacements.size() == 12);

}  // namespace

DirectionStep DirectionMovement(const std::string& direction) {
  for (const DirectionRow& row : kDirections) {
    if (direction == row.text) return {row.dx, row.dy};
  }
  return {};
}

std::int32_t ReplaceBounceDirection(const std::string& hitDirection, std::int32_t drawn) {
  if (hitDirection.size() != 1) return drawn;
  for (const ReplacementRow& row : kReplacements) {
    if (row.hit == hitDirection[0] && drawn == row.from) drawn = row.to;
  }
  return drawn;
}

std::string DrawBounceDirection(const std::string& hitDirection) {
  const auto drawn = static_cast<std::int32_t>(std::floor(platform::randomUnit() * 8.0)) + 1;
  return platform::toText(std::int64_t{ReplaceBounceDirection(hitDirection, drawn)});
}

}  // namespace testbench
