// Key handling that several screens share.
#include "shooter/shell/menu_keys.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/platform.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

void moveMenuCursor(int items) {
  if (platform::keyDown(platform::key::Down)) ++shell.menuCursor;
  if (platform::keyDown(platform::key::Up)) --shell.menuCursor;
  if (shell.menuCursor < 0) shell.menuCursor = static_cast<std::int8_t>(items - 1);
  if (shell.menuCursor >= items) shell.menuCursor = 0;
}

void leaveToMenuOnKey() {
  if (!menuKeyGateOpen(false)) return;
  if (platform::keyDown(platform::key::Esc) || platform::keyDown(platform::key::Enter) ||
      platform::keyDown(platform::key::Space)) {
    changeScreen(ScreenState::MainMenu);
  }
  shell.lastKeyTime = shell.frameClock.now;
}

void declareMenuTaps(int items, int left, int right, double firstTop, double pitch) {
  std::array<platform::TapTarget, 8> targets{};
  const int count = std::min(items, static_cast<int>(targets.size()));
  for (int i = 0; i < count; ++i) {
    int steps = i - shell.menuCursor;
    if (steps > items / 2) steps -= items;
    if (steps < -items / 2) steps += items;
    const auto top = static_cast<int>(std::lround(firstTop + i * pitch));
    const auto bottom = static_cast<int>(std::lround(firstTop + (i + 1) * pitch));
    targets[static_cast<std::size_t>(i)] = {left, top, right, bottom, steps, platform::key::Enter};
  }
  platform::declareTouch(platform::TouchUse::Taps, std::span(targets.data(), static_cast<std::size_t>(count)));
}

void declareTapAnywhere() {
  const std::array<platform::TapTarget, 1> whole{
      {{0, 0, platform::screenWidth(), platform::screenHeight(), 0, platform::key::Enter}}};
  platform::declareTouch(platform::TouchUse::Taps, whole);
}

}  // namespace shooter
