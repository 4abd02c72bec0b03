// Drives `shooter`'s main loop on the headless backend, for the fixtures of
// the game and the shell tests: passes of the loop until the program's clock
// reaches a time or one more frame is drawn, and keys pressed, released and
// tapped past the menus' key gate.
#pragma once

#include <gtest/gtest.h>

#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "shooter/shell/program.h"
#include "shooter/shell/shell_state.h"
#include "tests/support/headless_access.h"

namespace shooter::testing {

class MainLoopTest : public ::testing::Test {
 protected:
  static platform::HeadlessBackend& headless() { return platform::test_support::headlessBackend(); }

  // Runs main-loop passes until the program's clock reaches `seconds`.
  static void runUntil(double seconds) {
    while (shell.running && shell.frameClock.now < seconds) mainLoopPass();
  }
  static void runFor(double seconds) { runUntil(shell.frameClock.now + seconds); }
  // Runs main-loop passes until exactly one more frame has been drawn.
  static void runFrame() {
    const auto frames = platform::framesShown();
    while (shell.running && platform::framesShown() == frames) mainLoopPass();
  }
  static void runFrames(int n) {
    for (int i = 0; i < n; ++i) runFrame();
  }
  static void press(int key) { headless().pressKey(key); }
  static void release(int key) { headless().releaseKey(key); }
  // Holds a key for one frame once the menu key gate has opened again.
  static void tap(int key) {
    runFor(0.2);
    press(key);
    runFrame();
    release(key);
    runFrame();
  }
};

}  // namespace shooter::testing
