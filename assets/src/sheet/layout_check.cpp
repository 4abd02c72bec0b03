#include "layout_check.h"

#include <algorithm>

#include "required_codes.h"

namespace assets {
namespace {

std::string describe(SheetRect r) {
  return "(" + std::to_string(r.x1) + "," + std::to_string(r.y1) + ")-(" + std::to_string(r.x2) + "," +
         std::to_string(r.y2) + ")";
}

bool overlaps(SheetRect a, SheetRect b) { return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2; }

// Two glyphs side by side on the same rows that share exactly their
// touching column.
bool sharedColumnOnly(SheetRect a, SheetRect b) {
  return a.y1 == b.y1 && a.y2 == b.y2 && (a.x2 == b.x1 || b.x2 == a.x1) && a.x1 != b.x1;
}

}  // namespace

std::vector<std::string> checkLayout(std::span<const PlacedPicture> pictures, int sheetWidth, int sheetHeight) {
  std::vector<std::string> problems;
  for (const PlacedPicture& p : pictures) {
    const SheetRect r = p.rect;
    if (r.x1 > r.x2 || r.y1 > r.y2) {
      problems.push_back(p.name + " has an empty rectangle " + describe(r));
    } else if (r.x1 < 0 || r.y1 < 0 || r.x2 >= sheetWidth || r.y2 >= sheetHeight) {
      problems.push_back(p.name + " at " + describe(r) + " leaves the " + std::to_string(sheetWidth) + "x" +
                         std::to_string(sheetHeight) + " sheet");
    }
  }
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    for (std::size_t j = i + 1; j < pictures.size(); ++j) {
      const PlacedPicture& a = pictures[i];
      const PlacedPicture& b = pictures[j];
      if (!overlaps(a.rect, b.rect)) continue;
      if (a.sharesEdge && b.sharesEdge && sharedColumnOnly(a.rect, b.rect)) continue;
      problems.push_back(a.name + " at " + describe(a.rect) + " overlaps " + b.name + " at " + describe(b.rect));
    }
  }
  return problems;
}

std::vector<std::string> checkRecords(std::span<const AnimRecord> records, std::span<const int> requiredCodes,
                                      std::span<const PlacedPicture> pictures) {
  std::vector<std::string> problems;
  for (int code : requiredCodes) {
    const auto n = std::count_if(records.begin(), records.end(), [code](const AnimRecord& r) { return r.code == code; });
    if (n == 0) problems.push_back("sprite code " + std::to_string(code) + " has no animation record");
    if (n > 1) problems.push_back("sprite code " + std::to_string(code) + " has " + std::to_string(n) + " records");
  }
  for (const AnimRecord& r : records) {
    const std::string who = "animation " + std::to_string(r.code);
    if (r.code < 0 || r.code > 255) problems.push_back(who + " is not a sprite code (0 to 255)");
    if (r.frames.empty() || r.frames.size() > static_cast<std::size_t>(kMaxFrames)) {
      problems.push_back(who + " has " + std::to_string(r.frames.size()) + " frames (1 to 7 allowed)");
    }
    if (r.width <= 0 || r.height <= 0) problems.push_back(who + " has no collision size");
    if (r.points < 0) problems.push_back(who + " has a negative point value");
    for (std::size_t f = 0; f < r.frames.size(); ++f) {
      const SheetRect fr = r.frames[f];
      const bool drawn = std::any_of(pictures.begin(), pictures.end(), [fr](const PlacedPicture& p) { return p.rect == fr; });
      if (!drawn) problems.push_back(who + " frame " + std::to_string(f + 1) + " at " + describe(fr) + " has no picture");
    }
  }
  return problems;
}

}  // namespace assets
