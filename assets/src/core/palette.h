// The one palette every picture of the sheet is painted from. Pixel-art grids
// name colours by the character of a row; '.' is the sheet's transparent
// magenta. Ramps run dark to light so shading is a step along a ramp.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "gen_kit/canvas.h"
#include "gen_kit/draw.h"
#include "gen_kit/pixel_grid.h"

namespace assets {

// The game's pictures are painted with the generator toolkit's canvas and
// drawing, in this palette.
using gen_kit::bayerThreshold;
using gen_kit::Canvas;
using gen_kit::Colour;
using gen_kit::dither;
using gen_kit::kTransparent;
using gen_kit::PaletteEntry;
using gen_kit::Point;
using gen_kit::rampColour;
using gen_kit::View;

inline constexpr std::array<PaletteEntry, 50> kPalette{{
    {'.', kTransparent},
    {'k', 0x141018},  // outline
    {'1', 0x2a2a3a}, {'2', 0x464c62}, {'3', 0x6e7790}, {'4', 0x9ea8bf}, {'5', 0xcdd5e4},
    {'w', 0xffffff},
    {'b', 0x162a5c}, {'B', 0x24479a}, {'c', 0x3b6fd0}, {'C', 0x6f9ff0}, {'i', 0xb4dcff},
    {'n', 0x0a2f5a}, {'N', 0x0f4a80}, {'m', 0x1a68a6}, {'M', 0x3c8cc8}, {'f', 0xa8dcf4},
    {'g', 0x1f3a1c}, {'G', 0x3a6030}, {'h', 0x5e8c3a}, {'H', 0x94bc52},
    {'d', 0x4a3020}, {'D', 0x7a5232}, {'s', 0xb88a50}, {'S', 0xe0c080},
    {'r', 0x5c1018}, {'R', 0xa82028}, {'e', 0xe04830}, {'E', 0xff8060},
    {'o', 0xc05a10}, {'O', 0xf08c20}, {'y', 0xffc830}, {'Y', 0xfff080},
    {'p', 0x34183c}, {'P', 0x5e2c6c}, {'q', 0x9450a8}, {'Q', 0xc88ad8},
    {'t', 0x1a7a80}, {'T', 0x40c8c8}, {'u', 0xa0fff0},
    {'6', 0x3c4a4e}, {'7', 0x5c6c70}, {'8', 0x8a9a9c}, {'9', 0xbcc8c8},
    {'a', 0x6a4a8a},  // dusk violet of the title sky
    {'A', 0xd07890},  // dusk rose
    {'x', 0x000000},  // pure black, the colour of cleared screens
    {'l', 0x8ab8e0},  // pale sky
    {'L', 0xe8f4ff},  // cloud white
}};

constexpr bool inPalette(char key) { return gen_kit::inPalette(kPalette, key); }

// Colour of a palette key; unknown keys give transparent (grids are checked
// with gridIsValid at compile time, so that never happens for authored art).
constexpr Colour paletteColour(char key) { return gen_kit::paletteColour(kPalette, key); }

constexpr bool paletteKeysUnique() {
  for (std::size_t i = 0; i < kPalette.size(); ++i) {
    for (std::size_t j = i + 1; j < kPalette.size(); ++j) {
      if (kPalette[i].key == kPalette[j].key || kPalette[i].colour == kPalette[j].colour) return false;
    }
  }
  return true;
}
static_assert(paletteKeysUnique(), "palette keys and colours must be unique");

}  // namespace assets
