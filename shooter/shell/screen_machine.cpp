// The screen table and the one place the current screen changes.
#include <array>

#include "platform/platform.h"
#include "shooter/game/game_state.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

// One row per ScreenState value, in the order of the values (1 upwards).
constexpr auto kScreens = std::to_array<ScreenSteps>({
    {ScreenState::Title, nullptr, titleScreen, nullptr, false},
    {ScreenState::MainMenu, nullptr, mainMenuScreen, nullptr, false},
    {ScreenState::Instructions, nullptr, instructionsScreen, nullptr, false},
    {ScreenState::Options, nullptr, optionsScreen, leaveOptions, false},
    {ScreenState::Credits, nullptr, creditsScreen, nullptr, false},
    {ScreenState::HighScores, nullptr, highScoresScreen, nullptr, false},
    {ScreenState::Nothing, nullptr, nullptr, nullptr, false},  // draws nothing and reacts to nothing
    {ScreenState::Playing, nullptr, playingScreen, nullptr, true},
    {ScreenState::Paused, nullptr, pauseScreen, nullptr, true},
    {ScreenState::NameEntry, enterNameEntry, nameEntryScreen, nullptr, true},
});
static_assert(kScreens.size() == 10);

constexpr bool rowsFollowTheValues() {
  for (std::size_t i = 0; i < kScreens.size(); ++i) {
    if (static_cast<std::size_t>(kScreens[i].state) != i + 1) return false;
  }
  return true;
}
static_assert(rowsFollowTheValues(), "row i holds the screen whose value is i + 1");

// The row of a screen; null for a value outside the table.
const ScreenSteps* stepsOf(ScreenState state) {
  const auto index = static_cast<std::size_t>(state) - 1;
  return index < kScreens.size() ? &kScreens[index] : nullptr;
}

}  // namespace

void changeScreen(ScreenState next) {
  const ScreenSteps* from = stepsOf(shell.screenState);
  const ScreenSteps* to = stepsOf(next);
  if (from != nullptr && from->leave != nullptr) from->leave();
  // The game is over once none of its screens is shown: the next one starts
  // from a clean state.
  if (from != nullptr && from->showsAGame && (to == nullptr || !to->showsAGame)) resetGame();
  shell.screenState = next;
  if (to != nullptr && to->enter != nullptr) to->enter();
}

void updateCurrentScreen() {
  const ScreenSteps* steps = stepsOf(shell.screenState);
  if (steps == nullptr) {
    platform::printText("error!");
  } else if (steps->update != nullptr) {
    steps->update();
  }
}

}  // namespace shooter
