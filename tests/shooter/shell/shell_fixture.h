// Runs `shooter`'s start-up and main loop on the headless backend inside a
// fresh working folder, with keys pressed and released by the test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/recording_sound_device.h"
#include "platform/run_options.h"
#include "shooter/resources/sound_bank.h"
#include "shooter/shell/program.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"
#include "tests/support/shooter_main_loop.h"
#include "tests/support/test_files.h"

namespace shooter::testing {

inline constexpr const char* kDefaultSettings = "2\r\n0\r\n96\r\n50\r\n1\r\n20\r\n";

inline std::string defaultHighScores() {
  std::string text;
  for (int i = 1; i <= 10; ++i) text += "PILOT" + std::to_string(i) + "\r\n" + std::to_string(1100 - i * 100) + "\r\n";
  return text;
}

class ShellTest : public MainLoopTest {
 protected:
  void SetUp() override {
    folder_.emplace("shell");
    writeFile("settings.dat", kDefaultSettings);
    writeFile("high_scores.dat", defaultHighScores());
  }
  void TearDown() override {
    restart();
    folder_.reset();
  }

  static void writeFile(const std::string& name, const std::string& text) { test_support::writeWholeFile(name, text); }
  static std::string readFile(const std::string& name) { return test_support::readWholeFile(name); }

  // Ends the run so that start() can begin another: every start-up opens the
  // sound device afresh.
  static void restart() {
    closeAudio();
    platform::shutdownPlatform();
  }

  // The sound device the next start() opens, which a test may arrange first.
  platform::RecordingSoundDevice& nextSound() {
    if (next_ == nullptr) {
      auto device = std::make_unique<platform::RecordingSoundDevice>();
      next_ = device.get();
      useSoundDevice(std::move(device));
    }
    return *next_;
  }

  // Start-up on a fresh headless platform and a fresh recording sound device.
  void start(const std::string& firstArgument = "") {
    sound_ = &nextSound();
    next_ = nullptr;
    ASSERT_FALSE(platform::initPlatform(std::make_unique<platform::HeadlessBackend>(), platform::RunOptions{}).has_value());
    ::testing::internal::CaptureStdout();
    startUp(firstArgument);
    startupOutput_ = ::testing::internal::GetCapturedStdout();
  }

  // A tap with a game pad's button standing for the key.
  void padTap(int key) {
    runFor(0.2);
    headless().pressPadButton(key);
    runFrame();
    headless().releasePadButton(key);
    runFrame();
  }
  // From start-up to the main menu (the title lasts about five seconds).
  void reachMainMenu() {
    runUntil(6.5);
    ASSERT_EQ(shell.screenState, ScreenState::MainMenu);
  }

  std::string startupOutput_;
  // The device of the run start() began; the sound bank owns it.
  platform::RecordingSoundDevice* sound_ = nullptr;

 private:
  platform::RecordingSoundDevice* next_ = nullptr;
  std::optional<test_support::TestWorkingFolder> folder_;
};

}  // namespace shooter::testing
