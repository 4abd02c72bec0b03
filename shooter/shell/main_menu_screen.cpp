// The main menu: five items over the scrolling sea, with the demo plane
// flying back and forth below them.
#include <cmath>

#include "assets/sheet_layout.h"
#include "platform/platform.h"
#include "shooter/game/game.h"
#include "shooter/game/game_state.h"
#include "shooter/shell/demo_plane.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

constexpr SpriteRect rect(const assets::SheetRect& r) { return {r.x1, r.x2, r.y1, r.y2}; }

constexpr int kMenuItems = 5;
constexpr ScreenState kMenuTargets[kMenuItems - 1] = {ScreenState::Instructions, ScreenState::Options,
                                                      ScreenState::Credits, ScreenState::HighScores};

void menuKeys() {
  if (!menuKeyGateOpen(true)) return;
  if (platform::keyDown(platform::key::Esc)) running = 0;
  if (platform::keyDown(platform::key::Down)) ++menuCursor;
  if (platform::keyDown(platform::key::Up)) --menuCursor;
  if (menuCursor < 0) menuCursor = kMenuItems - 1;
  if (menuCursor >= kMenuItems) menuCursor = 0;
  if (platform::keyDown(platform::key::Enter) || platform::keyDown(platform::key::Ctrl) ||
      platform::keyDown(platform::key::Space)) {
    if (menuCursor == kMenuItems - 1) {
      running = 0;
    } else {
      screenState = kMenuTargets[menuCursor];
    }
  }
  lastKeyTime = frameClock.now;
}

}  // namespace

void mainMenuScreen() {
  menuKeys();

  drawBackground();
  drawSprite(layout->logoX, layout->logoY, rect(assets::kMenuLogo), false);
  platform::fillBox(platform::workPage(), layout->menuX - 1, layout->menuY - 1, layout->menuX + 101,
                    layout->menuY + 95, 0xFFFFE700u);
  drawSprite(layout->menuX, layout->menuY, rect(assets::kMenuPicture), true);
  demoPlane.step();
  drawSprite(static_cast<int>(demoPlane.x), demoPlane.y(), playerFrames[static_cast<std::size_t>(demoPlane.frame)],
             true);
  drawText(static_cast<int>(std::lround(screenWidth / 2.0 - 125.0)), screenHeight - 30, "CLASSIC SKYWARD GAME CLONE");
  const int pointerY = static_cast<int>(layout->menuY + 6 + menuCursor * 18.25);
  drawSprite(layout->menuX - 12, pointerY, rect(assets::kPointerLeft), true);
  drawSprite(layout->menuX + 105, pointerY, rect(assets::kPointerRight), true);
}

}  // namespace shooter
