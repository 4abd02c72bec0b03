// Key handling that several screens share.
#include "shooter/shell/menu_keys.h"

#include "platform/platform.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

void moveMenuCursor(int items) {
  if (platform::keyDown(platform::key::Down)) ++shell.menuCursor;
  if (platform::keyDown(platform::key::Up)) --shell.menuCursor;
  if (shell.menuCursor < 0) shell.menuCursor = static_cast<std::int8_t>(items - 1);
  if (shell.menuCursor >= items) shell.menuCursor = 0;
}

void leaveToMenuOnKey() {
  if (!menuKeyGateOpen(false)) return;
  if (platform::keyDown(platform::key::Esc) || platform::keyDown(platform::key::Enter) ||
      platform::keyDown(platform::key::Space)) {
    changeScreen(ScreenState::MainMenu);
  }
  shell.lastKeyTime = shell.frameClock.now;
}

}  // namespace shooter
