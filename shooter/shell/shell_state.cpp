// Storage and start values of the shell's program-wide values.
#include "shooter/shell/shell_state.h"

#include <algorithm>
#include <cmath>

#include "platform/platform.h"
#include "shooter/game/game_context.h"

namespace shooter {

ShellState shell;

void resetShellState() { shell = ShellState{}; }

void handGameContext() {
  gameContext.now = shell.frameClock.now;
  gameContext.collisionType = shell.settings.collisionType;
  gameContext.collisionInterval = shell.collisionInterval;
  gameContext.grid = shell.layout->grid;
}

int effectiveFps(std::uint8_t desiredFps) { return desiredFps == 0 ? 50 : desiredFps; }

std::uint8_t millisecondsPerFrame(std::uint8_t desiredFps) {
  return static_cast<std::uint8_t>(std::min(std::lround(1000.0 / effectiveFps(desiredFps)), 255L));
}

double frameIntervalFor(std::uint8_t desiredFps) { return 1.0 / effectiveFps(desiredFps); }

void deriveFromSettings(FramePacing pacing) {
  FrameClock& clock = shell.frameClock;
  clock.msPerFrame = millisecondsPerFrame(shell.settings.desiredFps);
  shell.collisionInterval = shell.settings.collisionRate / 1000.0;
  if (pacing == FramePacing::Set) {
    clock.frameInterval = frameIntervalFor(shell.settings.desiredFps);
    clock.sleepMs = static_cast<std::uint8_t>(std::lround(clock.msPerFrame / 4.0));
  }
}

void copySettingsToWorking() {
  const Settings& s = shell.settings;
  shell.working = {.resolution = s.resolution,
                   .fullScreen = s.fullScreen,
                   .desiredFps = s.desiredFps,
                   .collisionType = s.collisionType,
                   .collisionRate = s.collisionRate};
}

int centredX(double dx) { return static_cast<int>(std::lround(platform::screenWidth() / 2.0 + dx)); }
int centredY(double dy) { return static_cast<int>(std::lround(platform::screenHeight() / 2.0 + dy)); }

}  // namespace shooter
