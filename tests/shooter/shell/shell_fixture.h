// Runs `shooter`'s start-up and main loop on the headless backend inside a
// fresh working folder, with keys pressed and released by the test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/recording_sound_device.h"
#include "platform/run_options.h"
#include "shooter/media/sound_bank.h"
#include "shooter/shell/program.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"
#include "tests/support/headless_access.h"

namespace shooter::testing {

inline constexpr const char* kDefaultSettings = "2\r\n0\r\n96\r\n50\r\n1\r\n20\r\n";

inline std::string defaultHighScores() {
  std::string text;
  for (int i = 1; i <= 10; ++i) text += "PILOT" + std::to_string(i) + "\r\n" + std::to_string(1100 - i * 100) + "\r\n";
  return text;
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::path(::testing::TempDir()) / (std::string("shell_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    writeFile("settings.dat", kDefaultSettings);
    writeFile("high_scores.dat", defaultHighScores());
  }
  void TearDown() override {
    restart();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }

  static void writeFile(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
  }
  static std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

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
  platform::HeadlessBackend& headless() { return platform::test_support::headlessBackend(); }

  // Runs main-loop passes until the program's clock reaches `seconds`.
  void runUntil(double seconds) {
    while (shell.running && shell.frameClock.now < seconds) mainLoopPass();
  }
  void runFor(double seconds) { runUntil(shell.frameClock.now + seconds); }
  // Runs until exactly one more frame has been drawn.
  void runFrame() {
    const auto frames = platform::framesShown();
    while (shell.running && platform::framesShown() == frames) mainLoopPass();
  }
  void press(int key) { headless().pressKey(key); }
  void release(int key) { headless().releaseKey(key); }
  // Presses a key for one frame after the menu key gate has opened again.
  void tap(int key) {
    runFor(0.2);
    press(key);
    runFrame();
    release(key);
    runFrame();
  }
  // The same with a game pad's button standing for the key.
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
  std::filesystem::path folder_;
  std::filesystem::path previous_;
};

}  // namespace shooter::testing
