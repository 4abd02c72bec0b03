// The title picture, shown for about five seconds after start-up; no key
// skips it, the main loop's seconds counter moves on to the main menu.
#include "assets/sheet_layout.h"
#include "platform/platform.h"
#include "shooter/media/sprite_sheet.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {
// Character cell of the subtitle per resolution setting.
struct Cell {
  int row, column;
};
constexpr Cell kSubtitleCells[3] = {{21, 16}, {22, 21}, {26, 28}};
}  // namespace

void titleScreen() {
  platform::clearWorkPage();
  const auto& r = assets::kTitlePicture;
  drawSprite(shell.layout->titleX, shell.layout->titleY, {r.x1, r.x2, r.y1, r.y2}, false);
  const Cell cell = kSubtitleCells[shell.layout - kScreenLayouts.data()];
  platform::locate(cell.row, cell.column);
  platform::printText("Classic Skyward Game Clone.");
}

}  // namespace shooter
