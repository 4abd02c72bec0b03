// Runs a demo program over the headless backend from the run folder (where
// the build puts its pictures and sounds), with the recording media layer and a
// clock that moves only when the test says so.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/backends/headless/headless_backend.h"
#include "platform/image.h"
#include "platform/platform.h"
#include "platform/system.h"
#include "platform/run_options.h"
#include "tests/support/headless_access.h"
#include "tests/support/recording_media.h"
#include "tests/support/test_files.h"

namespace demo_test {

class DemoTest : public testing::Test {
 protected:
  void SetUp() override {
    home_ = std::filesystem::current_path();
    const auto run = platform::system::environmentVariable("KESTREL_RUN_DIR");
    ASSERT_TRUE(run.has_value()) << "KESTREL_RUN_DIR names the run folder";
    std::filesystem::current_path(*run);
    startPlatform(0.0, "");
  }
  void TearDown() override {
    platform::shutdownPlatform();
    std::filesystem::current_path(home_);
    if (!emptyFolder_.empty()) std::filesystem::remove_all(emptyFolder_);
  }

  // Restarts the platform: `tickPerRead` lets busy waits end; a script
  // (its text) drives the keys as in a timedemo.
  void startPlatform(double tickPerRead, const std::string& script) {
    platform::shutdownPlatform();
    platform::RunOptions options;
    options.programName = "demo_test";
    options.seed = 1234;
    if (!script.empty()) {
      options.timedemoPath = folderFile("script.txt");
      std::ofstream(options.timedemoPath) << script;
    }
    ASSERT_FALSE(platform::initPlatform(std::make_unique<platform::HeadlessBackend>(tickPerRead), options).has_value());
  }

  // Runs the programs from a folder holding none of their files.
  void runFromEmptyFolder() {
    emptyFolder_ = test_support::processTempPath("demo", "empty");
    std::filesystem::create_directories(emptyFolder_);
    std::filesystem::current_path(emptyFolder_);
  }

  static platform::HeadlessBackend& headless() {
    return platform::test_support::headlessBackend();
  }
  static void press(int key) { headless().pressKey(key); }
  static void release(int key) { headless().releaseKey(key); }
  static void advance(double seconds) { headless().advanceClock(seconds); }

  // True when every pixel the text's glyphs set shows the colour on the
  // image at (x, y).
  static bool textShown(const platform::Image& image, int x, int y, const std::string& text,
                        platform::Colour colour = platform::kDefaultForeground) {
    const int width = static_cast<int>(text.size()) * 8;
    platform::Image glyphs = platform::createImage(width, 8, 0);
    platform::drawPixelText(glyphs, 0, 0, text, platform::kWhite);
    int set = 0;
    for (int gy = 0; gy < 8; ++gy) {
      for (int gx = 0; gx < width; ++gx) {
        if (glyphs.row(gy)[gx] == 0) continue;
        ++set;
        if ((platform::getPixel(image, x + gx, y + gy) & 0xFFFFFFu) != (colour & 0xFFFFFFu)) return false;
      }
    }
    return set > 0;
  }

  test_support::RecordingMedia media;

 private:
  std::string folderFile(const std::string& name) const { return test_support::processTempPath("demo", name); }

  std::filesystem::path home_;
  std::filesystem::path emptyFolder_;
};

}  // namespace demo_test
