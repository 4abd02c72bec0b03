// Per-resolution positions of the shell's pictures and the game's grids.
#pragma once

#include <array>
#include <cstdint>

#include "shooter/game/game_context.h"

namespace shooter {

// A character cell of the platform's text screen (locate's row and column).
struct TextCell {
  int row, column;
};

struct ScreenLayout {
  std::int32_t menuX, menuY;      // top-left of the main-menu picture
  std::int32_t centreX, centreY;  // screen centre
  std::int32_t titleX, titleY;    // top-left of the title picture
  std::int32_t logoX, logoY;      // top-left of the menu logo
  PlayfieldGrid grid;              // the game's tiles and spawn columns
  TextCell loadingCell;            // start-up's "Loading..." line
  TextCell subtitleCell;           // the title's subtitle
  std::int32_t width, height;
};

// Indexed by the resolution setting: 0 = 400x300, 1 = 512x384, 2 = 640x480.
inline constexpr auto kScreenLayouts = std::to_array<ScreenLayout>({
    {149, 103, 200, 150, 60, 79, 142, 35, {14, 11, 10, 4, 2}, {18, 16}, {21, 16}, 400, 300},
    {205, 145, 256, 192, 116, 121, 198, 53, {16, 13, 14, 7, 4}, {12, 22}, {22, 21}, 512, 384},
    {269, 193, 320, 240, 180, 169, 262, 73, {20, 16, 18, 9, 4}, {15, 30}, {26, 28}, 640, 480},
});
static_assert(kScreenLayouts.size() == 3);

// The row for a resolution setting; values the table does not know use the
// 640x480 row, so a damaged settings file never indexes past the table.
inline const ScreenLayout& layoutFor(std::uint8_t resolution) {
  return kScreenLayouts[resolution < kScreenLayouts.size() ? resolution : 2];
}

}  // namespace shooter
