// Runs `shooter` on the headless backend in a fresh working folder so that
// games can be started from the instructions screen and driven frame by
// frame on the virtual clock. Animation rows and the collision mask are set
// by each test, so nothing depends on the shipped art.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/run_options.h"
#include "shooter/game/game_entity.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/sound_bank.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/program.h"
#include "shooter/shell/settings.h"
#include "shooter/shell/shell_state.h"
#include "tests/support/shooter_main_loop.h"
#include "tests/support/test_files.h"

namespace shooter::testing {

namespace key = platform::key;

class GameTest : public MainLoopTest {
 protected:
  void SetUp() override {
    folder_.emplace("game");
    // 640x480 windowed, volume 96, 50 FPS, simple boxes, collision rate 20.
    writeFile("settings.dat", "2\r\n0\r\n96\r\n50\r\n0\r\n20\r\n");
    std::string scores;
    for (int i = 1; i <= 10; ++i) scores += "PILOT\r\n" + std::to_string(1100 - i * 100) + "\r\n";
    writeFile("high_scores.dat", scores);
    ASSERT_FALSE(platform::initPlatform(std::make_unique<platform::HeadlessBackend>(), platform::RunOptions{}).has_value());
    ::testing::internal::CaptureStdout();
    startUp("", false);
    ::testing::internal::GetCapturedStdout();
    platform::seedRandom(1234);
    resetSoundCounters();
    animTable.fill(AnimRow{});
    std::fill(collisionMask.begin(), collisionMask.end(), std::uint8_t{0});
    // The player's row as start-up sets it.
    setRow(kPlayerAnim, 64, 50, 0, 2, 301, 112);
  }
  void TearDown() override {
    platform::shutdownPlatform();
    folder_.reset();
  }

  static void writeFile(const std::string& name, const std::string& text) { test_support::writeWholeFile(name, text); }

  // An animation row with `frames` frames of w x h at sheet (sx, sy).
  static void setRow(std::uint8_t code, int w, int h, std::int32_t value, int frames = 1, int sx = 0, int sy = 0) {
    AnimRow& row = animTable[code];
    row = AnimRow{};
    row.frameCount = static_cast<std::uint8_t>(frames);
    for (int f = 1; f <= frames; ++f) row.frames[static_cast<std::size_t>(f)] = {sx, sx + w - 1, sy, sy + h - 1};
    row.value = value;
    row.width = w;
    row.height = h;
  }
  // Marks the sheet pixels x1..x2, y1..y2 solid in the collision mask.
  static void solid(int x1, int y1, int x2, int y2) {
    for (int x = x1; x <= x2; ++x) {
      for (int y = y1; y <= y2; ++y) collisionMask[static_cast<std::size_t>(x) * kSheetHeight + y] = 1;
    }
  }
  // The settings value, handed to the game at once for tests that call the
  // collision pass without drawing a frame.
  static void collisionType(std::uint8_t type) {
    shell.settings.collisionType = type;
    handGameContext();
  }

  // Title, main menu, instructions, then Enter: the game is running.
  void startGameFromInstructions() {
    runUntil(6.5);
    ASSERT_EQ(shell.screenState, ScreenState::MainMenu);
    shell.menuCursor = 0;
    tap(key::Enter);
    ASSERT_EQ(shell.screenState, ScreenState::Instructions);
    tap(key::Enter);
    ASSERT_EQ(shell.screenState, ScreenState::Playing);
  }
  // Keeps the spawner quiet for a while, so a test sees only its own units.
  static void holdWaves() {
    game.sceneryCounter = game.wave1Counter = game.wave2Counter = game.wave3Counter = 0;
    game.wave1Threshold = game.wave2Threshold = game.wave3Threshold = 250;
  }
  template <int Last>
  static GameEntity& put(Pool<Last>& pool, int slot, std::uint8_t code, float x, float y) {
    GameEntity& e = pool[slot];
    e = GameEntity{};
    e.spriteCode = code;
    e.x = x;
    e.y = y;
    e.active = 1;
    e.frame = 1;
    e.width = animTable[code].width;
    e.height = animTable[code].height;
    e.hitPoints = animTable[code].value;
    return e;
  }
  template <int Last>
  static int countCode(const Pool<Last>& pool, std::uint8_t code) {
    int n = 0;
    for (int i = 1; i <= Last; ++i) n += pool[i].active == 1 && pool[i].spriteCode == code;
    return n;
  }
  static std::uint32_t plays(Sample s) { return soundCounters().plays[static_cast<std::size_t>(s)]; }

 private:
  std::optional<test_support::TestWorkingFolder> folder_;
};

}  // namespace shooter::testing
