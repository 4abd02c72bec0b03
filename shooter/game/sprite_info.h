// What the game reads of a sprite code's animation row, with the guards that
// keep damaged data from faulting: frame counts of at least one, drawing
// positions kept within int range, sums that saturate instead of overflowing.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "shooter/game/game_entity.h"
#include "shooter/resources/sprite_sheet.h"

namespace shooter {

// The frame after `frame` in a looping animation: frame mod count + 1, so a
// frame past the end (after a code change) comes back into range.
inline std::uint8_t nextFrame(std::uint8_t frame, std::uint8_t code) {
  return static_cast<std::uint8_t>(frame % frameCountOf(code) + 1);
}

// The kind's point value: the score for destroying it and its starting hit points.
inline std::int32_t pointValue(std::uint8_t code) { return animTable[code].value; }

// Hit points, width and height of a new unit come from the row of `statsCode`.
inline void takeStats(GameEntity& e, std::uint8_t statsCode) {
  const AnimRow& row = animTable[statsCode];
  e.hitPoints = row.value;
  e.width = row.width;
  e.height = row.height;
}

// A screen position as a whole pixel (truncated, as drawing does). Positions
// far off screen are pinned, so the conversion never leaves int range.
inline int toPixel(float v) {
  constexpr float kFar = 1.0e6f;
  if (!(v > -kFar)) return -1000000;
  if (!(v < kFar)) return 1000000;
  return static_cast<int>(v);
}

// a + b (or a - b) kept within int32: point values and hit points come from
// the data file and may be anything.
inline std::int32_t saturatingAdd(std::int32_t a, std::int64_t b) {
  const std::int64_t sum = std::int64_t{a} + b;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                             std::numeric_limits<std::int32_t>::max()));
}

// Draws an entity with transparency using its current frame.
inline void drawEntity(const GameEntity& e) {
  drawSprite(toPixel(e.x), toPixel(e.y), animFrame(e.spriteCode, e.frame), true);
}

}  // namespace shooter
