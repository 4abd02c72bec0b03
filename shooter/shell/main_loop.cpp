// The paced main loop and the screen machine's dispatch.
#include <string>

#include "platform/platform.h"
#include "platform/text_convert.h"
#include "shooter/game/game.h"
#include "shooter/game/game_state.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/program.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/settings.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

bool anyHeld(std::initializer_list<int> keys) {
  for (const int k : keys) {
    if (platform::keyDown(k)) return true;
  }
  return false;
}

void readKeyFlags() {
  using namespace platform::key;
  arrowKeyDown = anyHeld({Left, Right, Down, Up}) ? 1 : 0;
  actionKeyDown = anyHeld({Esc, Enter, Ctrl, Space}) ? 1 : 0;
  typedText.clear();
  if (screenState == ScreenState::NameEntry) {
    readNameEntryKeys();
  } else {
    noteKeysHeldOffNameEntry();
  }
}

// The game has ended once its banner expired: a score that beats the table's
// last entry goes to name entry, any other straight to the table.
void handleGameOver() {
  gameOverReady = false;
  if (qualifies(static_cast<std::uint32_t>(game.score))) {
    screenState = ScreenState::NameEntry;
  } else {
    resetGame();
    screenState = ScreenState::HighScores;
  }
}

void runScreen() {
  switch (screenState) {
    case ScreenState::Title: titleScreen(); break;
    case ScreenState::MainMenu: mainMenuScreen(); break;
    case ScreenState::Instructions: instructionsScreen(); break;
    case ScreenState::Options: optionsScreen(); break;
    case ScreenState::Credits: creditsScreen(); break;
    case ScreenState::HighScores: highScoresScreen(); break;
    case ScreenState::Nothing: break;
    case ScreenState::Playing: playingFrame(); break;
    case ScreenState::Paused: pausedFrame(); break;
    case ScreenState::NameEntry: nameEntryScreen(); break;
    default: platform::printText("error!"); break;
  }
}

void onceASecond() {
  FrameClock& c = frameClock;
  c.fpsValue = c.framesThisSecond;
  c.framesThisSecond = 0;
  c.lastSecondTime = c.now;
  if (++c.secondsCounter > 1000) c.secondsCounter = 0;
  if (c.secondsCounter > 5 && screenState == ScreenState::Title) {
    screenState = ScreenState::MainMenu;
    c.secondsCounter = 0;
  }
  toggleBackgroundPhase();
  if (screenState == ScreenState::Playing) {
    gameSecondTick();
    if (gameOverReady) handleGameOver();
  }
  // Pacing: nudge the interval towards the desired rate, with a dead band.
  const int desired = effectiveFps(settings.desiredFps);
  if (c.fpsValue < desired - 2) {
    c.frameInterval -= 0.001;
  } else if (c.fpsValue > desired + 2) {
    c.frameInterval += 0.001;
  }
}

}  // namespace

void drawFrame() {
  if (platform::pendingKeyText() == platform::kCloseKeyText) running = 0;
  readKeyFlags();
  // Losing the window's focus (or the pad in use) pauses a running game.
  if (platform::takePauseRequest() && screenState == ScreenState::Playing) screenState = ScreenState::Paused;
  advanceBackground();
  runScreen();
  frameClock.lastFrameTime = frameClock.now;
  if (showFps == 1) {
    platform::locate(1, 1);
    platform::printText("FPS: " + platform::toText(std::int64_t{frameClock.fpsValue}));
  }
  ++frameClock.framesThisSecond;
  if (frameClock.now - frameClock.lastSecondTime >= 1.0) onceASecond();
  pageA = 1 - pageA;
  pageB = 1 - pageB;
  platform::setWorkPage(pageB);
  platform::setVisiblePage(pageA);
}

void mainLoopPass() {
  if (frameClock.now - frameClock.lastFrameTime >= frameClock.frameInterval) drawFrame();
  frameClock.now = platform::timer();
  platform::sleepMs(frameClock.sleepMs);
}

void runMainLoop() {
  // Drawing starts on the page that is not shown; the first flip shows it.
  platform::setWorkPage(pageB);
  platform::setVisiblePage(pageA);
  while (running == 1) mainLoopPass();
}

std::string shellSummary() {
  std::string s = " volume=" + std::to_string(settings.volume);
  for (int i = 1; i <= kHighScoreCount; ++i) {
    s += " hs" + std::to_string(i) + "=" + std::to_string(highScores[static_cast<std::size_t>(i)].score);
  }
  return s;
}

}  // namespace shooter
