// Everything the shell changes while it runs, in one struct: the run flag,
// the screen machine, the shared key flags, the page pair, the frame clock,
// the settings and the high-score table, the menu's plane and name entry's
// memory.
#pragma once

#include <bitset>
#include <cstdint>
#include <limits>
#include <string>

#include "platform/key_codes.h"
#include "shooter/shell/demo_plane.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/screen_layout.h"
#include "shooter/shell/settings.h"

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

// The options screen's working copies of the settings it edits.
struct WorkingSettings {
  std::uint8_t resolution = 0;
  std::uint8_t fullScreen = 0;
  std::uint8_t desiredFps = 0;
  std::uint8_t collisionType = 0;
  std::uint8_t collisionRate = 0;
};

// Everything the shell changes while it runs, with its start values. The
// screen size is not kept here: the platform's open screen is the one
// place it lives (platform::screenWidth and screenHeight). The folder the
// pictures and sounds are read from is not kept here either: it is fixed
// before start-up and never changes (file_locations.h).
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
  Settings settings;  // as read at start-up and as ACCEPT last applied them
  WorkingSettings working;
  double collisionInterval = 0.0;  // seconds between two collision passes
  HighScoreTable highScores;
  DemoPlane demoPlane;  // crosses the main menu
  // Name entry: the name typed so far, kept from one entry to the next; and
  // the keys and pad buttons held when the screen opened, each ignored until
  // it has been let go.
  std::string playerName;
  std::bitset<platform::key::kCount> leftOverKeys;
  std::bitset<platform::key::kCount> leftOverPadKeys;
};

extern ShellState shell;

// Puts every value of `shell` back to its start value. Start-up calls it
// first, and tests that run the shell more than once in one process go
// through start-up or call it themselves.
void resetShellState();

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

// Which of the values derived from the settings are set again.
enum class FramePacing : std::uint8_t {
  // Start-up: the frame interval and the sleep are set from the rate too.
  Set,
  // The options screen (ACCEPT, CANCEL): the frame interval and the sleep
  // stay as they are, on purpose. After a new rate is accepted, the loop's
  // once-a-second correction walks the interval towards it, 0.001 s each
  // second, so the new rate eases in instead of jumping; the sleep stays a
  // quarter of the start-up frame, short enough for either rate. Setting
  // them here would change how every run that accepts a new rate is paced.
  Keep,
};
// Derives the shell's values from `shell.settings`: the nominal frame
// length in milliseconds and the collision interval, and with
// FramePacing::Set also the frame interval and the loop's sleep.
void deriveFromSettings(FramePacing pacing);
// Copies the settings the options screen edits into their working copies.
void copySettingsToWorking();

// Screen positions relative to the centre, rounded as the screens place them.
int centredX(double dx);
int centredY(double dy);

}  // namespace shooter
