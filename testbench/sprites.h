// Sprite records: pictures loaded from BMP files, sized from the file's
// header. The drawing itself goes through the platform layer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"
#include "testbench/image_handle.h"

namespace testbench {

struct Sprite {
  std::int32_t width = 0;   // as read from the file's header
  std::int32_t height = 0;
  std::string fileName;     // empty when the record is free
  ImageHandle image;        // owned by the record; null when free
};

// The picture is copied as it is, mirrored left to right, upside down, or
// turned half round.
inline constexpr std::int32_t kOrientNormal = 0;
inline constexpr std::int32_t kOrientMirrored = 1;
inline constexpr std::int32_t kOrientFlipped = 2;
inline constexpr std::int32_t kOrientTurned = 3;

// The little-endian 32-bit values at byte offsets 18 and 22 of the file;
// 0 when the file is missing or too short.
std::int32_t BmpWidth(const std::string& file);
std::int32_t BmpHeight(const std::string& file);
// Loads the BMP into the existing image through the platform layer.
void BmpLoad(platform::Image& image, const std::string& file);

// Fills the record: size from the header, then a (width + 1) x (height + 1)
// image (at least 1 x 1) cleared to 0 with the file loaded into it.
void SpriteLoad(Sprite& sprite, const std::string& file);
// As SpriteLoad, with the picture copied in by DrawImageOriented.
void SpriteLoadOriented(Sprite& sprite, const std::string& file, const std::int32_t& orientation,
                        const std::int32_t& transparent);
// Copies source columns 0..lastColumn of rows 0..lastRow to (x, y) of the
// destination in the given orientation. With transparent = 1 pixels whose
// whole value is 0x00FF00FF are skipped; destinations outside 640 x 480 are
// skipped too.
void DrawImageOriented(platform::Image& destination, const std::int32_t& x, const std::int32_t& y,
                       const std::int32_t& lastColumn, const std::int32_t& lastRow, const platform::Image& source,
                       const std::int32_t& orientation, const std::int32_t& transparent);
// Frees every record 1 to the upper bound; returns the upper bound.
std::int32_t SpriteListFree(std::vector<Sprite>& sprites);

}  // namespace testbench
