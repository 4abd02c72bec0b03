// Storage and start values of the shell's program-wide values.
#include "shooter/shell/shell_state.h"

#include <algorithm>
#include <cmath>

#include "shooter/game/game_context.h"
#include "shooter/shell/settings.h"

namespace shooter {

std::uint8_t running = 1;
ScreenState screenState = ScreenState::Title;
std::int8_t menuCursor = 0;
std::uint8_t arrowKeyDown = 0;
std::uint8_t actionKeyDown = 0;
std::string typedText;
double lastKeyTime = 0.0;
std::int32_t screenWidth = 0;
std::int32_t screenHeight = 0;
int pageA = 0;
int pageB = 1;
std::uint8_t showFps = 0;
FrameClock frameClock;
const ScreenLayout* layout = &kScreenLayouts[2];
WorkingSettings working;
double collisionInterval = 0.0;

void resetShellState() {
  running = 1;
  screenState = ScreenState::Title;
  menuCursor = 0;
  arrowKeyDown = 0;
  actionKeyDown = 0;
  typedText.clear();
  lastKeyTime = 0.0;
  screenWidth = 0;
  screenHeight = 0;
  pageA = 0;
  pageB = 1;
  showFps = 0;
  frameClock = FrameClock{};
  layout = &kScreenLayouts[2];
  working = WorkingSettings{};
  collisionInterval = 0.0;
}

void handGameContext() {
  gameContext.now = frameClock.now;
  gameContext.collisionType = settings.collisionType;
  gameContext.collisionInterval = collisionInterval;
  gameContext.grid = layout->grid;
}

int effectiveFps(std::uint8_t desiredFps) { return desiredFps == 0 ? 50 : desiredFps; }

std::uint8_t millisecondsPerFrame(std::uint8_t desiredFps) {
  return static_cast<std::uint8_t>(std::min(std::lround(1000.0 / effectiveFps(desiredFps)), 255L));
}

double frameIntervalFor(std::uint8_t desiredFps) { return 1.0 / effectiveFps(desiredFps); }

int centredX(double dx) { return static_cast<int>(std::lround(screenWidth / 2.0 + dx)); }
int centredY(double dy) { return static_cast<int>(std::lround(screenHeight / 2.0 + dy)); }

}  // namespace shooter
