// The shell's program-wide values: the run flag, the screen machine, the
// shared key flags, the page pair and the frame clock.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "shooter/shell/screen_layout.h"

namespace shooter {

enum class ScreenState : std::uint8_t {
  Title = 1,
  MainMenu = 2,
  Instructions = 3,
  Options = 4,
  Credits = 5,
  HighScores = 6,
  Nothing = 7,  // draws nothing and reacts to nothing
  Playing = 8,
  Paused = 9,
  NameEntry = 10,
};

struct FrameClock {
  double now = 0.0;
  double lastFrameTime = 0.0;
  double frameInterval = 0.0;
  std::uint8_t sleepMs = 0;
  std::uint8_t msPerFrame = 0;
  std::int32_t framesThisSecond = 0;
  std::int32_t fpsValue = 0;
  // Further back than any clock reading, so the first drawn frame brings the
  // first once-a-second tick and the title's five seconds count from there.
  double lastSecondTime = -std::numeric_limits<double>::infinity();
  std::int32_t secondsCounter = 0;
};

// Menu keys repeat at most this often while held.
inline constexpr double kMenuKeyGate = 0.175;

// The options screen's working copies and the values derived from settings.
struct WorkingSettings {
  std::uint8_t resolution = 0;
  std::uint8_t fullScreen = 0;
  std::uint8_t desiredFps = 0;
  std::uint8_t collisionType = 0;
  std::uint8_t collisionRate = 0;
};

// Everything the shell changes while it runs, with its start values. The
// screen size is not kept here: the platform's open screen is the one
// place it lives (platform::screenWidth and screenHeight).
struct ShellState {
  bool running = true;
  ScreenState screenState = ScreenState::Title;
  std::int8_t menuCursor = 0;  // the highlighted item of the current menu
  // The shared key flags of this frame: an arrow, or one of Esc, Enter,
  // Ctrl and Space, is held. Name entry sets them from typed keys instead.
  bool arrowKeyDown = false;
  bool actionKeyDown = false;
  std::string typedText;     // name entry: the keys typed this frame
  double lastKeyTime = 0.0;  // when the key gate last let a press through
  int pageA = 0;             // the page shown
  int pageB = 1;             // the page drawn on
  bool showFps = false;
  FrameClock frameClock;
  const ScreenLayout* layout = &kScreenLayouts[2];
  WorkingSettings working;
  double collisionInterval = 0.0;  // seconds between two collision passes
};

// Start-up puts it back with `shell = {}`, so that tests can run the shell
// more than once in one process.
extern ShellState shell;

// The shared menu key gate: true when a relevant key is held and more than
// 0.175 s have passed since the last accepted press.
inline bool menuKeyGateOpen(bool arrowsCount) {
  return (shell.actionKeyDown || (arrowsCount && shell.arrowKeyDown)) &&
         shell.frameClock.now - shell.lastKeyTime > kMenuKeyGate;
}

// Hands the game what it reads of the shell: this frame's clock reading, the
// collision settings and the screen's grid. Called at the top of every frame
// and before start-up resets the game.
void handGameContext();

// The frame rate the loop aims for: the setting, except that 0 counts as 50,
// so that nothing derived from it divides by zero and the once-a-second
// correction aims where start-up did.
int effectiveFps(std::uint8_t desiredFps);
// round(1000 / fps) kept within a byte, from the effective rate.
std::uint8_t millisecondsPerFrame(std::uint8_t desiredFps);
double frameIntervalFor(std::uint8_t desiredFps);

// Screen positions relative to the centre, rounded as the screens place them.
int centredX(double dx);
int centredY(double dy);

}  // namespace shooter
