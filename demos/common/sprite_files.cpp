#include "demos/common/sprite_files.h"

#include <string>

#include "testbench/table.h"

namespace demo {

namespace {

// The key colour as the library itself writes it (alpha 0).
constexpr platform::Colour kKey = 0x00FF00FFu;

}  // namespace

void loadSpriteFiles(std::vector<testbench::Sprite>& sprites, std::span<const SpriteFile> rows) {
  for (const SpriteFile& row : rows) {
    if (row.slot < 1 || row.slot > testbench::UpperBound(sprites)) continue;
    testbench::Sprite& sprite = sprites[static_cast<std::size_t>(row.slot)];
    testbench::SpriteLoad(sprite, std::string(row.file));
    // The loaded image is one row and one column larger than the picture;
    // keyed out, that margin never shows as a black seam or edge.
    keyOutMargin(sprite);
  }
}

// The margin is the column at x = width and the row at y = height (and,
// for a header that disagrees with the file, anything else past them).
void keyOutMargin(testbench::Sprite& sprite) {
  if (!sprite.image) return;
  platform::Image& image = *sprite.image;
  const int pictureWidth = sprite.width < 0 ? 0 : sprite.width;
  const int pictureHeight = sprite.height < 0 ? 0 : sprite.height;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (x >= pictureWidth || y >= pictureHeight) image.row(y)[x] = kKey;
    }
  }
}

void drawSprite(platform::Image& target, int x, int y, const testbench::Sprite& sprite, platform::DrawMode mode,
                int alpha) {
  if (!sprite.image || sprite.width <= 0 || sprite.height <= 0) return;
  // Only the picture's own rectangle: an opaque draw would copy the margin
  // too, and the ground's upper tile would lay it over the lower one's top row.
  platform::drawImage(target, x, y, *sprite.image, 0, 0, sprite.width - 1, sprite.height - 1, mode, alpha);
}

const testbench::Sprite& spriteAt(const std::vector<testbench::Sprite>& sprites, std::int32_t slot) {
  static const testbench::Sprite none;
  if (slot < 1 || slot > testbench::UpperBound(sprites)) return none;
  return sprites[static_cast<std::size_t>(slot)];
}

}  // namespace demo
