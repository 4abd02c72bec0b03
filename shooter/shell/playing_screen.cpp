// The game in play: the gameplay draws and moves everything; the shell only
// opens the pause screen when the gameplay's Esc asks for it.
#include "shooter/game/game.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

void playingScreen() {
  if (playingFrame(shell.actionKeyDown, shell.lastKeyTime)) changeScreen(ScreenState::Paused);
}

}  // namespace shooter
