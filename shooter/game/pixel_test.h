// Per-pixel contact between two sprites on the collision mask.
#pragma once

#include <cstdint>
#include <optional>

namespace shooter {

struct ContactPoint {
  int x;
  int y;
};

// Sprite A at (ax, ay) and sprite B at (bx, by), each its frame 1 with the
// width and height of its animation row: the first screen pixel, row by row,
// where both masks are solid; empty when no solid pixels overlap. Parts of
// a rectangle that fall outside the 1024x768 sheet count as empty.
std::optional<ContactPoint> pixelContact(std::uint8_t codeA, int ax, int ay, std::uint8_t codeB, int bx, int by);

}  // namespace shooter
