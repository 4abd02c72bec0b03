// The mask is column-major (x * 768 + y). Rectangles come from the data
// file and may be anything, so the scanned region is cut to where both
// sprites' sheet positions lie on the sheet before any read.
#include "shooter/game/pixel_test.h"

#include <algorithm>

#include "shooter/resources/sprite_sheet.h"

namespace shooter {

namespace {
// Wild sheet rectangles can put the contact far from any screen; keep it an int.
int asInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, -1000000000, 1000000000)); }
}  // namespace

std::optional<ContactPoint> pixelContact(std::uint8_t codeA, int ax, int ay, std::uint8_t codeB, int bx, int by) {
  const AnimRow& a = animTable[codeA];
  const AnimRow& b = animTable[codeB];
  const SpriteRect& fa = a.frames[1];
  const SpriteRect& fb = b.frames[1];
  // Screen-to-sheet offsets of each sprite.
  const std::int64_t aOffX = std::int64_t{fa.x1} - ax;
  const std::int64_t aOffY = std::int64_t{fa.y1} - ay;
  const std::int64_t bOffX = std::int64_t{fb.x1} - bx;
  const std::int64_t bOffY = std::int64_t{fb.y1} - by;
  // Overlap of the two screen rectangles, right and bottom exclusive, cut
  // to the sheet for both sprites.
  const std::int64_t left = std::max({std::int64_t{ax}, std::int64_t{bx}, -aOffX, -bOffX});
  const std::int64_t top = std::max({std::int64_t{ay}, std::int64_t{by}, -aOffY, -bOffY});
  const std::int64_t right = std::min({std::int64_t{ax} + a.width, std::int64_t{bx} + b.width,
                                       kSheetWidth - aOffX, kSheetWidth - bOffX});
  const std::int64_t bottom = std::min({std::int64_t{ay} + a.height, std::int64_t{by} + b.height,
                                        kSheetHeight - aOffY, kSheetHeight - bOffY});
  if (left >= right || top >= bottom) return std::nullopt;
  const std::uint8_t* mask = collisionMask.data();
  for (std::int64_t y = top; y < bottom; ++y) {
    const std::int64_t ya = y + aOffY;
    const std::int64_t yb = y + bOffY;
    for (std::int64_t x = left; x < right; ++x) {
      if (mask[(x + aOffX) * kSheetHeight + ya] != 0 && mask[(x + bOffX) * kSheetHeight + yb] != 0) {
        return ContactPoint{asInt(x), asInt(y)};
      }
    }
  }
  return std::nullopt;
}

}  // namespace shooter
