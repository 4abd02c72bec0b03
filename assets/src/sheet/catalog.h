// The complete list of pictures on the sheet with their painters, the
// animation records that point at them, and the painting of the sheet.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/palette.h"
#include "sheet/anim_format.h"
#include "sheet/layout_check.h"

namespace assets {

struct Picture {
  PlacedPicture place;
  std::function<void(View&)> paint;
};

std::vector<Picture> buildCatalog();
std::vector<AnimRecord> buildAnimRecords();
std::vector<PlacedPicture> placements(std::span<const Picture> pictures);

// Paints every picture on its own, then copies its opaque pixels onto the
// sheet. Two pictures that want different colours for one pixel are reported.
Canvas paintSheet(std::span<const Picture> pictures, std::vector<std::string>& problems);

}  // namespace assets
