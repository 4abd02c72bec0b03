// Trees seen from above: a dark shadow cast to the lower right, then a
// round, lumpy canopy lit from the upper left.
#pragma once

#include <cstdint>
#include <vector>

#include "demos/generator/colour.h"
#include "demos/generator/wrap_canvas.h"

namespace demo_gen {

struct Tree {
  double x;
  double y;
  double radius;
  Rgb leaves;
  std::uint64_t seed;
};

// Draws every shadow first, then the canopies from the top of the tile
// down, so lower trees overlap the ones behind them.
void drawTrees(WrapCanvas& canvas, std::vector<Tree> trees);

}  // namespace demo_gen
