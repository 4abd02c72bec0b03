// Pixel art written as text: rows of one-character keys looked up in a
// palette, painted onto a View. '.' is always transparent. A symmetric
// sprite may be authored as its left half only and mirrored; a grid can also
// be flipped or turned in quarter turns, so one drawing serves several
// headings.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gen_kit/canvas.h"

namespace gen_kit {

struct PaletteEntry {
  char key;
  Colour colour;  // 0xRRGGBB
};

using Palette = std::span<const PaletteEntry>;
using GridRows = std::span<const std::string_view>;

constexpr bool inPalette(Palette palette, char key) {
  for (const PaletteEntry& e : palette) {
    if (e.key == key) return true;
  }
  return false;
}

// Colour of a palette key; unknown keys give transparent.
constexpr Colour paletteColour(Palette palette, char key) {
  for (const PaletteEntry& e : palette) {
    if (e.key == key) return e.colour;
  }
  return kTransparent;
}

// True when every row is `width` keys long and every key is '.' or in the
// palette; authored grids are checked with it at compile time.
constexpr bool gridIsValid(GridRows rows, std::size_t width, Palette palette) {
  if (rows.empty()) return false;
  for (std::string_view row : rows) {
    if (row.size() != width) return false;
    for (char key : row) {
      if (key != '.' && !inPalette(palette, key)) return false;
    }
  }
  return true;
}

enum class Turn { None, Clockwise, Half, Anticlockwise };

struct GridStyle {
  // The rows hold the left half; the right half is its mirror image. An odd
  // full width shares the half's last column as the centre column.
  bool mirrorHalf = false;
  int fullWidth = 0;
  bool flipVertical = false;
  bool flipHorizontal = false;
  Turn turn = Turn::None;
};

// The grid after mirroring, flipping and turning, as rows of keys.
std::vector<std::string> expandGrid(GridRows rows, const GridStyle& style = {});

// Paints the keys with their top-left at (x, y); '.' leaves the pixel.
void paintKeys(View& v, int x, int y, const std::vector<std::string>& keys, Palette palette);
void paintGrid(View& v, int x, int y, GridRows rows, Palette palette, const GridStyle& style = {});

// The grid as a picture of its own on transparent. Returns an empty canvas
// (and reports on stderr) when a row is not as long as the first or a key is
// not in the palette.
Canvas canvasFromGrid(GridRows rows, Palette palette);

}  // namespace gen_kit
