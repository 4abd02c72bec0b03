// The game's pixel-art grids: the toolkit's grids (gen_kit/pixel_grid.h)
// painted in the game's one palette.
#pragma once

#include <cstddef>

#include "core/palette.h"
#include "gen_kit/pixel_grid.h"

namespace assets {

using gen_kit::GridRows;
using gen_kit::GridStyle;
using gen_kit::Turn;

constexpr bool gridIsValid(GridRows rows, std::size_t width) { return gen_kit::gridIsValid(rows, width, kPalette); }

inline void paintGrid(View& v, int x, int y, GridRows rows, const GridStyle& style = {}) {
  gen_kit::paintGrid(v, x, y, rows, kPalette, style);
}

}  // namespace assets
