// The title picture, shown for about five seconds after start-up; no key
// skips it, the main loop's seconds counter moves on to the main menu.
#include "assets/sheet_layout.h"
#include "platform/platform.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

void titleScreen() {
  platform::declareTouch(platform::TouchUse::None);
  platform::clearWorkPage();
  drawSprite(shell.layout->titleX, shell.layout->titleY, assets::kTitlePicture, false);
  platform::locate(shell.layout->subtitleCell.row, shell.layout->subtitleCell.column);
  platform::printText("Classic Skyward Game Clone.");
}

}  // namespace shooter
