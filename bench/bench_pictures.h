// Pictures shared by the blit benchmarks: sprites shaped like the game's
// (a solid ellipse on magenta), a screen page, and a sheet with tiles and
// sprites for the whole-frame compose. Every benchmark that compares two
// blitters draws the same pixels, so only the blitter differs.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "platform/image.h"

namespace bench {

inline constexpr int kPageWidth = 640;
inline constexpr int kPageHeight = 480;

// Solid ellipse filling the box, magenta (alpha 0xFF, as loaded from a BMP)
// around it: about a fifth of the pixels are keyed, in runs as real art has.
platform::Image makeSprite(int width, int height);
// A busy page of non-magenta pixels, as a page is after the sea is drawn.
platform::Image makePage();

// Blit sizes measured for every mode.
struct BlitSize {
  int width, height;
  const char* label;
};
inline constexpr std::array<BlitSize, 3> kBlitSizes{{{32, 32, "32x32"}, {64, 64, "64x64"}, {640, 480, "640x480"}}};

// Where a blit of that size goes on the page: fully inside, not at the
// origin, so clipping is computed but cuts nothing.
inline constexpr int blitX(int width) { return width >= kPageWidth ? 0 : 100; }
inline constexpr int blitY(int height) { return height >= kPageHeight ? 0 : 60; }

// The opacity the blend benchmarks use (weight 129 of 256: a half mix).
inline constexpr int kBlendAlpha = 128;

// ---- Whole-frame compose: 300 opaque 32x32 tiles (the 20x15 grid of a
// 640x480 screen) and 500 transparent 32x32 sprites, all cut from one sheet.
inline constexpr int kTileCount = 300;
inline constexpr int kSpriteCount = 500;
inline constexpr int kCellSize = 32;

struct SheetCut {
  int sx, sy;  // top-left of a 32x32 picture on the sheet
  int x, y;    // where it goes on the page
};

struct ComposeScene {
  platform::Image sheet;           // 1024x768: tiles in row 0, sprites in row 1
  std::vector<SheetCut> tiles;     // kTileCount, opaque
  std::vector<SheetCut> sprites;   // kSpriteCount, transparent, fully on the page
};
ComposeScene makeComposeScene();

// Bytes a frame compose moves: every tile and sprite pixel once.
inline constexpr std::size_t kComposeBytes =
    static_cast<std::size_t>(kTileCount + kSpriteCount) * kCellSize * kCellSize * sizeof(platform::Colour);

}  // namespace bench
