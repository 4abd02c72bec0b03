// The handlers of the shell's screens, one file each. The main loop calls the
// current screen's handler once per drawn frame; each reads the shared key
// flags, acts through the 0.175 s key gate and draws its page.
#pragma once

namespace shooter {

void titleScreen();
void mainMenuScreen();
void instructionsScreen();
void optionsScreen();
void creditsScreen();
void highScoresScreen();
void nameEntryScreen();
// The paused game: the sea scrolls under a two-item menu.
void pauseScreen();

// The name-entry screen's key flags and typed text, from the keys pressed
// since it opened: typed keys, Esc, Enter, Ctrl, Space and a pad's arrows.
void readNameEntryKeys();
// Called on every frame drawn on another screen: the keys held then are left
// over when name entry opens, and it ignores them until they are let go.
void noteKeysHeldOffNameEntry();

}  // namespace shooter
