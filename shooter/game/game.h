// What the shell's screen machine calls of the game.
#pragma once

#include <string>

namespace shooter {

// Every frame in every screen, before the screen's handler.
void advanceBackground();
// The once-a-second tile flip, in every screen.
void toggleBackgroundPhase();
// Sea tiles over the whole screen.
void drawBackground();

// The instructions screen's Enter or Space: the craft at three quarters of
// the screen height, the engine running and the start banner up.
void startGame();
// One frame of play. The two key-gate values are the shell's (see
// actionKeys); returns true when Esc asks for the pause screen.
bool playingFrame(bool actionKeyDown, double& lastKeyTime);
// The once-a-second work while playing. Sets game.overReady when the
// game-over banner has expired; the shell then moves on.
void gameSecondTick();

// " key=value" pairs of the game for the timedemo summary line.
std::string gameSummary();

}  // namespace shooter
