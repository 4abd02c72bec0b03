// The shell's program-wide values: the run flag, the screen machine, the
// shared key flags, the page pair and the frame clock.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "shooter/shell/screen_layout.h"
#include "shooter/media/sprite_sheet.h"

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

extern std::uint8_t running;
extern ScreenState screenState;
extern std::int8_t menuCursor;
extern std::uint8_t arrowKeyDown;
extern std::uint8_t actionKeyDown;
extern std::string typedText;
extern double lastKeyTime;
extern std::int32_t screenWidth;
extern std::int32_t screenHeight;
extern int pageA;
extern int pageB;
extern std::uint8_t showFps;
extern FrameClock frameClock;
extern const ScreenLayout* layout;

// The options screen's working copies and the values derived from settings.
struct WorkingSettings {
  std::uint8_t resolution = 0;
  std::uint8_t fullScreen = 0;
  std::uint8_t desiredFps = 0;
  std::uint8_t collisionType = 0;
  std::uint8_t collisionRate = 0;
};
extern WorkingSettings working;
extern double collisionInterval;  // seconds between two collision passes

// Puts every value above back to its start value (start-up, and tests that
// run the shell more than once in one process).
void resetShellState();

// The shared menu key gate: true when a relevant key is held and more than
// 0.175 s have passed since the last accepted press.
inline bool menuKeyGateOpen(bool arrowsCount) {
  return (actionKeyDown != 0 || (arrowsCount && arrowKeyDown != 0)) && frameClock.now - lastKeyTime > kMenuKeyGate;
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
