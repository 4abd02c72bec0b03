// The ground tiles of the flight scenes: 640 x 480 aerial views of country
// with fields, hedges, oak woods, a road and (on the second) a river and
// farms. Every feature repeats with the tile's height, so the tile wraps
// vertically without a seam.
#pragma once

#include "platform/image.h"

namespace demo_gen {

inline constexpr int kGroundWidth = 640;
inline constexpr int kGroundHeight = 480;

// "Oakst1.BMP": a patchwork of fields and hedgerows with oak woods and a
// winding lane.
platform::Image fieldsTile();
// "Oakst2.BMP": denser oak woods along a river, a lane, a bridge and farms.
platform::Image riverTile();

}  // namespace demo_gen
