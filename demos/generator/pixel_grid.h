// Pixel art written as text: a palette of one-character keys and a grid of
// rows. '.' is always the transparent key colour.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/image.h"

namespace demo_gen {

struct PaletteEntry {
  char key;
  std::uint32_t colour;  // 0xRRGGBB
};

// The picture of the grid; every row must be as long as the first, and
// every character other than '.' must be in the palette. Returns an empty
// image (and reports on stderr) when the grid breaks these rules.
platform::Image imageFromGrid(std::span<const PaletteEntry> palette, std::span<const std::string_view> rows);

}  // namespace demo_gen
