// The shell's screens. Each is one row of the screen table
// (screen_machine.cpp): what it does as it opens, on every drawn frame, and
// as it gives way. The screen changes only through changeScreen(), so each
// screen's set-up and clean-up live in its own steps.
#pragma once

#include "shooter/shell/shell_state.h"

namespace shooter {

struct ScreenSteps {
  ScreenState state;
  void (*enter)();   // once, as the screen opens (none when null)
  void (*update)();  // every drawn frame: keys through the gate, then the page (nothing when null)
  void (*leave)();   // once, as another screen takes its place (none when null)
  // Playing, Paused and NameEntry show one game; going from one of them to
  // any other screen clears the game.
  bool showsAGame;
};

// Makes `next` the current screen: the current screen's leave step, the
// game cleared when its screens are left, then `next`'s enter step.
void changeScreen(ScreenState next);
// The current screen's update step, called once per drawn frame.
void updateCurrentScreen();

// Update steps, one file each. Each reads the shared key flags, acts through
// the 0.175 s key gate and draws its page.
void titleScreen();
void mainMenuScreen();
void instructionsScreen();
void optionsScreen();
void creditsScreen();
void highScoresScreen();
// The game in play: the gameplay's frame; its pause key opens the pause screen.
void playingScreen();
// The paused game: the sea scrolls under a two-item menu.
void pauseScreen();
void nameEntryScreen();

// Enter and leave steps.
// Name entry notes the keys and pad buttons held as it opens: they are left
// over from play, and it ignores each until it has been let go.
void enterNameEntry();
// The options screen's cursor is not the main menu's: leaving puts it back
// on the menu's first item.
void leaveOptions();

}  // namespace shooter
