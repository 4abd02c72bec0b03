// Build-time checks of the sheet and its animation table. Each returns the
// list of problems found, empty when all is well; the generator fails the
// build on any.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "anim_format.h"

namespace assets {

struct PlacedPicture {
  std::string name;
  SheetRect rect;
  // Font glyphs sit edge to edge and a few neighbours share one column; a
  // shared column is allowed between two such pictures and nowhere else.
  bool sharesEdge = false;
};

// Every picture inside the sheet, no two overlapping.
std::vector<std::string> checkLayout(std::span<const PlacedPicture> pictures, int sheetWidth, int sheetHeight);

// Every required code has exactly one record with 1 to 7 frames, each frame
// the rectangle of a picture, and a positive size.
std::vector<std::string> checkRecords(std::span<const AnimRecord> records, std::span<const int> requiredCodes,
                                      std::span<const PlacedPicture> pictures);

}  // namespace assets
