// The main menu: five items over the scrolling sea, with the demo plane
// flying back and forth below them.
#include <cmath>

#include "assets/sheet_layout.h"
#include "platform/platform.h"
#include "shooter/game/game.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/menu_keys.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {


constexpr int kMenuItems = 5;
constexpr ScreenState kMenuTargets[kMenuItems - 1] = {ScreenState::Instructions, ScreenState::Options,
                                                      ScreenState::Credits, ScreenState::HighScores};

void menuKeys() {
  if (!menuKeyGateOpen(true)) return;
  if (platform::keyDown(platform::key::Esc)) shell.running = false;
  moveMenuCursor(kMenuItems);
  if (platform::keyDown(platform::key::Enter) || platform::keyDown(platform::key::Ctrl) ||
      platform::keyDown(platform::key::Space)) {
    if (shell.menuCursor == kMenuItems - 1) {
      shell.running = false;
    } else {
      changeScreen(kMenuTargets[shell.menuCursor]);
    }
  }
  shell.lastKeyTime = shell.frameClock.now;
}

}  // namespace

void mainMenuScreen() {
  menuKeys();
  declareMenuTaps(kMenuItems, shell.layout->menuX - 30, shell.layout->menuX + 130, shell.layout->menuY + 1.0, 18.25);

  drawBackground();
  drawSprite(shell.layout->logoX, shell.layout->logoY, assets::kMenuLogo, false);
  platform::fillBox(platform::workPage(), shell.layout->menuX - 1, shell.layout->menuY - 1, shell.layout->menuX + 101,
                    shell.layout->menuY + 95, 0xFFFFE700u);
  drawSprite(shell.layout->menuX, shell.layout->menuY, assets::kMenuPicture, true);
  DemoPlane& plane = shell.demoPlane;
  plane.step();
  drawSprite(static_cast<int>(plane.x), plane.y(), kPlayerFrames[static_cast<std::size_t>(plane.frame)], true);
  drawText(static_cast<int>(std::lround(platform::screenWidth() / 2.0 - 125.0)), platform::screenHeight() - 30, "CLASSIC SKYWARD GAME CLONE");
  const int pointerY = static_cast<int>(shell.layout->menuY + 6 + shell.menuCursor * 18.25);
  drawSprite(shell.layout->menuX - 12, pointerY, assets::kPointerLeft, true);
  drawSprite(shell.layout->menuX + 105, pointerY, assets::kPointerRight, true);
}

}  // namespace shooter
