// The pause screen: the sea keeps scrolling under a framed two-item menu
// while the game stands still.
#include <cmath>

#include "assets/sheet_layout.h"
#include "platform/platform.h"
#include "shooter/game/game.h"
#include "shooter/resources/sound_bank.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/menu_keys.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

constexpr platform::Colour kFrameYellow = 0xFFFFE700u;  // RGB 255, 231, 0
constexpr int kItems = 2;

void pauseKeys() {
  using namespace platform::key;
  // Q is neither an arrow nor an action key; it is let through the gate on
  // its own so that Q alone ends the program from this screen.
  const bool quitHeld = platform::keyDown(Q);
  const bool keyHeld = shell.actionKeyDown || shell.arrowKeyDown || quitHeld;
  if (!keyHeld || !(shell.frameClock.now - shell.lastKeyTime > kMenuKeyGate)) return;
  if (platform::keyDown(Esc)) changeScreen(ScreenState::Playing);
  if (quitHeld) shell.running = false;
  moveMenuCursor(kItems);
  if (platform::keyDown(Enter) || platform::keyDown(Space)) {
    if (shell.menuCursor == 0) {
      changeScreen(ScreenState::Playing);
    } else {
      changeScreen(ScreenState::MainMenu);  // which clears the game
      haltAllSounds();
    }
  }
  shell.lastKeyTime = shell.frameClock.now;
}

int at(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

void pauseScreen() {
  pauseKeys();
  declareMenuTaps(kItems, at(platform::screenWidth() / 2.0 - 110), at(platform::screenWidth() / 2.0 + 110),
                  platform::screenHeight() / 2.0 - 8, 30.0);
  drawBackground();
  const double cx = platform::screenWidth() / 2.0;
  const double cy = platform::screenHeight() / 2.0;
  platform::Image& page = platform::workPage();
  platform::fillBox(page, at(cx - 91), at(cy - 61), at(cx + 91), at(cy + 71), kFrameYellow);
  platform::fillBox(page, at(cx - 90), at(cy - 60), at(cx + 90), at(cy + 70), platform::kBlack);
  drawText(at(cx - 65), at(cy - 50), "GAME PAUSED!");
  drawText(at(cx - 80), at(cy), "RETURN TO GAME");
  drawText(at(cx - 65), at(cy + 30), "EXIT TO MENU");
  const double arrowY = cy + shell.menuCursor * 30;
  drawSprite(at(cx - 103), at(arrowY), assets::kPointerLeft, true);
  drawSprite(at(cx + 96), at(arrowY), assets::kPointerRight, true);
}

}  // namespace shooter
