// The text form of anim_data.dat: a header field, then for each animation its
// number, frame count, each frame's corners as x1, y1, x2, y2, the point value
// and the collision width and height. Fields end at a comma or a line end and
// leading blanks are skipped, the rule the game's reader follows.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sheet_layout.h"

namespace assets {

inline bool operator==(SheetRect a, SheetRect b) {
  return a.x1 == b.x1 && a.x2 == b.x2 && a.y1 == b.y1 && a.y2 == b.y2;
}

struct AnimRecord {
  int code = 0;
  std::vector<SheetRect> frames;
  int points = 0;
  int width = 0;
  int height = 0;

  bool operator==(const AnimRecord&) const = default;
};

// One record per line, lines ended by CR LF.
std::string formatAnimData(std::span<const AnimRecord> records);

// Reads the text back. On malformed input (a field that is not a number, a
// record cut short, a frame count outside 0..7) returns nothing and says why.
std::optional<std::vector<AnimRecord>> parseAnimData(std::string_view text, std::string& error);

}  // namespace assets
