// Shared by the colour tools: the first-seen scan of an image's colours.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/image.h"

namespace testbench {

// The key colour as the library sets it, alpha 0: skipped by every scan.
inline constexpr platform::Colour kLibraryKey = 0x00FF00FFu;

// Red, green and blue of a pixel: two pixels share a colour text exactly
// when these agree.
inline constexpr std::uint32_t RgbOf(platform::Colour c) { return c & 0x00FFFFFFu; }

struct ColourScan {
  std::vector<std::uint32_t> rgb;                    // distinct colours, first seen first
  std::unordered_map<std::uint32_t, std::int32_t> slot;  // rgb -> 1-based slot
};

// Scans rows 0..height-1 and columns 0..width-1 (clipped to the image),
// keeping at most maxColours colours.
ColourScan ScanColours(std::int32_t width, std::int32_t height, const platform::Image& image, std::int32_t maxColours);

// Calls visit(pixel) for every scanned pixel that is not the key colour.
template <class Visit>
void ForEachColouredPixel(std::int32_t width, std::int32_t height, platform::Image& image, Visit visit) {
  const int w = width < image.width ? width : image.width;
  const int h = height < image.height ? height : image.height;
  for (int y = 0; y < h; ++y) {
    platform::Colour* row = image.row(y);
    for (int x = 0; x < w; ++x) {
      if (row[x] != kLibraryKey) visit(row[x]);
    }
  }
}

}  // namespace testbench
