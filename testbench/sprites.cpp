#include "testbench/sprites.h"

#include <algorithm>
#include <memory>

#include "platform/text_file.h"
#include "testbench/screen_and_clock.h"
#include "testbench/table.h"

namespace testbench {

namespace {

// Only pixels set by the library itself (alpha 0) count as the key here;
// magenta loaded from a file carries alpha 0xFF and is an ordinary colour.
constexpr platform::Colour kKeyValue = 0x00FF00FFu;

// Headers are not checked, so a broken one must not ask for an absurd image:
// sizes below one pixel or above kMaxPixels give a 1 x 1 image.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

ImageHandle blankImageFor(std::int32_t width, std::int32_t height) {
  std::int64_t w = std::max<std::int64_t>(1, std::int64_t{width} + 1);
  std::int64_t h = std::max<std::int64_t>(1, std::int64_t{height} + 1);
  if (w * h > kMaxPixels) w = h = 1;
  return std::make_shared<platform::Image>(platform::createImage(static_cast<int>(w), static_cast<int>(h), 0));
}

void fillHeader(Sprite& sprite, const std::string& file) {
  sprite.width = BmpWidth(file);
  sprite.height = BmpHeight(file);
  sprite.fileName = file;
  sprite.image = blankImageFor(sprite.width, sprite.height);
}

}  // namespace

std::int32_t BmpWidth(const std::string& file) { return platform::readInt32At(file, 18); }

std::int32_t BmpHeight(const std::string& file) { return platform::readInt32At(file, 22); }

void BmpLoad(platform::Image& image, const std::string& file) { platform::loadBmp(image, file); }

void SpriteLoad(Sprite& sprite, const std::string& file) {
  fillHeader(sprite, file);
  BmpLoad(*sprite.image, file);
}

void SpriteLoadOriented(Sprite& sprite, const std::string& file, const std::int32_t& orientation,
                        const std::int32_t& transparent) {
  fillHeader(sprite, file);
  platform::Image loaded = platform::createImage(sprite.image->width, sprite.image->height, 0);
  BmpLoad(loaded, file);
  DrawImageOriented(*sprite.image, 0, 0, sprite.width - 1, sprite.height - 1, loaded, orientation, transparent);
}

void DrawImageOriented(platform::Image& destination, const std::int32_t& x, const std::int32_t& y,
                       const std::int32_t& lastColumn, const std::int32_t& lastRow, const platform::Image& source,
                       const std::int32_t& orientation, const std::int32_t& transparent) {
  if (orientation < kOrientNormal || orientation > kOrientTurned) return;
  const bool mirror = orientation == kOrientMirrored || orientation == kOrientTurned;
  const bool flip = orientation == kOrientFlipped || orientation == kOrientTurned;
  // Source pixels beyond the source image do not exist and are not copied.
  const std::int32_t rows = std::min(lastRow, source.height - 1);
  const std::int32_t columns = std::min(lastColumn, source.width - 1);
  for (std::int32_t i = 0; i <= rows; ++i) {
    const std::int64_t dy = std::int64_t{y} + (flip ? std::int64_t{lastRow} - i : i);
    for (std::int32_t k = 0; k <= columns; ++k) {
      const platform::Colour pixel = platform::getPixel(source, k, i);
      if (transparent == 1 && pixel == kKeyValue) continue;
      const std::int64_t dx = std::int64_t{x} + (mirror ? std::int64_t{lastColumn} - k : k);
      if (dx < 0 || dx >= kScreenWidth || dy < 0 || dy >= kScreenHeight) continue;
      platform::setPixel(destination, static_cast<int>(dx), static_cast<int>(dy), pixel);
    }
  }
}

std::int32_t SpriteListFree(std::vector<Sprite>& sprites) {
  const std::int32_t last = UpperBound(sprites);
  for (std::int32_t i = 1; i <= last; ++i) {
    Sprite& s = sprites[static_cast<std::size_t>(i)];
    s.width = 0;
    s.height = 0;
    s.fileName.clear();
    s.image.reset();
  }
  return last;
}

}  // namespace testbench
