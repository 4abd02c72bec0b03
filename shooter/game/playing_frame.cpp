// Placeholder frame handlers while the game's update, drawing and HUD are
// being written: the sea scrolls and Esc pauses/resumes. Replaced by the
// gameplay code.
#include "platform/platform.h"
#include "shooter/game/game.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

bool gameOverReady = false;

void playingFrame() { drawBackground(); }
void pausedFrame() { drawBackground(); }
void gameSecondTick() {}

}  // namespace shooter
