// Pixel-art grids: rows of palette keys (see palette.h), painted onto a View.
// A symmetric sprite may be authored as its left half only and mirrored; a
// grid can also be flipped or turned in quarter turns, so one drawing serves
// several headings.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "core/palette.h"

namespace assets {

using GridRows = std::span<const std::string_view>;

// True when every row is `width` keys long and every key is in the palette.
constexpr bool gridIsValid(GridRows rows, std::size_t width) {
  if (rows.empty()) return false;
  for (std::string_view row : rows) {
    if (row.size() != width) return false;
    for (char key : row) {
      if (!inPalette(key)) return false;
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

// Paints the keys of a grid with its top-left at (x, y); '.' leaves the pixel.
void paintGrid(View& v, int x, int y, GridRows rows, const GridStyle& style = {});
void paintKeys(View& v, int x, int y, const std::vector<std::string>& keys);

}  // namespace assets
