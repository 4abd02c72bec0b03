// The paced main loop: one drawn frame, the once-a-second work, the pacing.
#include <string>

#include "platform/platform.h"
#include "platform/text_convert.h"
#include "shooter/game/game.h"
#include "shooter/game/game_state.h"
#include "shooter/shell/frame_pacing.h"
#include "shooter/shell/game_capture.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/program.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"
#include "shooter/shell/world_scores.h"

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
  shell.arrowKeyDown = anyHeld({Left, Right, Down, Up});
  shell.actionKeyDown = anyHeld({Esc, Enter, Ctrl, Space});
  shell.typedText.clear();
}

// The game has ended once its banner expired: a score that beats the table's
// last entry goes to name entry, any other straight to the table (which
// clears the game).
void handleGameOver() {
  game.overReady = false;
  noteGameOver();
  const bool made = qualifies(shell.highScores, static_cast<std::uint32_t>(game.score));
  changeScreen(made ? ScreenState::NameEntry : ScreenState::HighScores);
}

// The work of a counted second (countFrame has started the next one).
void onceASecond() {
  FrameClock& c = shell.frameClock;
  if (++c.secondsCounter > 1000) c.secondsCounter = 0;
  if (c.secondsCounter > 5 && shell.screenState == ScreenState::Title) {
    changeScreen(ScreenState::MainMenu);
    c.secondsCounter = 0;
  }
  toggleBackgroundPhase();
  if (shell.screenState == ScreenState::Playing) {
    gameSecondTick();
    if (game.overReady) handleGameOver();
  }
  correctFrameInterval(c, effectiveFps(shell.settings.desiredFps));
}

}  // namespace

void drawFrame() {
  handGameContext();
  if (platform::pendingKeyText() == platform::kCloseKeyText) shell.running = false;
  pollWorldScores();
  readKeyFlags();
  // Losing the window's focus (or the pad in use) pauses a running game.
  if (platform::takePauseRequest() && shell.screenState == ScreenState::Playing) changeScreen(ScreenState::Paused);
  advanceBackground();
  updateCurrentScreen();
  shell.frameClock.lastFrameTime = shell.frameClock.now;
  if (shell.showFps) {
    platform::locate(1, 1);
    platform::printText("FPS: " + platform::toText(std::int64_t{shell.frameClock.fpsValue}));
  }
  if (countFrame(shell.frameClock)) onceASecond();
  shell.pageA = 1 - shell.pageA;
  shell.pageB = 1 - shell.pageB;
  platform::setWorkPage(shell.pageB);
  platform::setVisiblePage(shell.pageA);
  endOfFrameForCapture();
}

void mainLoopPass() {
  if (frameIsDue(shell.frameClock)) drawFrame();
  shell.frameClock.now = platform::timer();
  platform::sleepMs(shell.frameClock.sleepMs);
}

void runMainLoop() {
  // Drawing starts on the page that is not shown; the first flip shows it.
  // A replayed game goes on from its recorded frame, which was shown.
  platform::setWorkPage(shell.pageB);
  if (!isReplayingAGame()) platform::setVisiblePage(shell.pageA);
  while (shell.running) mainLoopPass();
}

std::string shellSummary() {
  std::string s = " volume=" + std::to_string(shell.settings.volume);
  for (int i = 1; i <= kHighScoreCount; ++i) {
    s += " hs" + std::to_string(i) + "=" + std::to_string(shell.highScores[static_cast<std::size_t>(i)].score);
  }
  return s;
}

}  // namespace shooter
