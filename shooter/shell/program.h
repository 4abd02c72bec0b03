// The body of `shooter`: start-up, the paced main loop, shutdown. Split so
// that tests can run start-up and then single frames on the headless backend.
#pragma once

#include <string>

namespace shooter {

// Start-up in its fixed order; leaves `shell.running` false when a data file or the
// audio device is missing (the message is printed and the 1000 ms wait done).
// `firstArgument` is the command line's first argument ("fps" rule).
// With `openSound` false the game runs silent on the sound device with no
// output.
// The pictures, animations, glyphs and sounds are read at start-up, or
// (Keep) kept from an earlier start-up in this process: a verifier starts
// the program for every game it replays and reads them once.
enum class StartAssets : bool { Load, Keep };
void startUp(const std::string& firstArgument, bool openSound = true, StartAssets assets = StartAssets::Load);
// One pass of the main loop: draws a frame when the frame interval has
// passed, then reads the timer and sleeps.
void mainLoopPass();
// Draws one frame: keys, scroll, the current screen, FPS line, the
// once-a-second work, page flip.
void drawFrame();
// Runs passes while `shell.running` holds.
void runMainLoop();
// Frees sound, prints the exit lines, waits and closes the screen.
void shutDown();
// The program's " key=value" figures for the timedemo summary line.
std::string shellSummary();

}  // namespace shooter
