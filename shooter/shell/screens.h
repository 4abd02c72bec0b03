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

// Builds the typed text of the name-entry screen from the held keys.
void readTypedText();

}  // namespace shooter
