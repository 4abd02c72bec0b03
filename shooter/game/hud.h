// The heads-up display over the playing screen.
#pragma once

namespace shooter {

// Boss bar, lives, score and shield; drawn last each playing frame.
void drawHud();

}  // namespace shooter
