// The platform core over the headless backend: virtual clock, pages, key
// state, key text, scripts, screenshots and the timedemo's end.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/run_options.h"

using namespace platform;

namespace {

HeadlessBackend& headless() { return static_cast<HeadlessBackend&>(backend()); }

void start(RunOptions options = {}) {
  ASSERT_FALSE(initPlatform(std::make_unique<HeadlessBackend>(options.timedemoTickPerRead), options).has_value());
}

std::string writeScript(const char* name, const char* text) {
  const std::string path = testing::TempDir() + name;
  std::ofstream(path) << text;
  return path;
}

}  // namespace

TEST(HeadlessPlatform, ClockStartsAtZeroAndMovesOnlyWhenSleeping) {
  start();
  EXPECT_DOUBLE_EQ(timer(), 0.0);
  EXPECT_DOUBLE_EQ(timer(), 0.0);
  sleepMs(5);
  EXPECT_DOUBLE_EQ(timer(), 0.005);
  RunOptions busy;
  busy.timedemoTickPerRead = 50e-6;
  start(busy);
  EXPECT_DOUBLE_EQ(timer(), 0.0);
  EXPECT_DOUBLE_EQ(timer(), 50e-6) << "busy-waiting programs see time pass on every reading";
  shutdownPlatform();
}

TEST(HeadlessPlatform, PagesAreSeparateAndShowingOneCountsAFrame) {
  start();
  ASSERT_TRUE(openScreen(64, 48, 2, false));
  setWindowTitle(std::string(200, 'x'));
  EXPECT_EQ(headless().title().size(), 127u) << "titles keep 127 characters";
  EXPECT_EQ(screenWidth(), 64);
  setWorkPage(1);
  fillBox(workPage(), 0, 0, 3, 3, kWhite);
  EXPECT_EQ(getPixel(visiblePage(), 0, 0), kBlack);
  setVisiblePage(1);
  EXPECT_EQ(getPixel(visiblePage(), 0, 0), kWhite);
  EXPECT_EQ(framesShown(), 1u);
  clearWorkPage();
  EXPECT_EQ(getPixel(visiblePage(), 0, 0), kBlack);
  setWorkPage(7);  // no such page: ignored
  EXPECT_EQ(&workPage(), &visiblePage());
  closeScreen();
  EXPECT_FALSE(screenIsOpen());
  shutdownPlatform();
}

TEST(HeadlessPlatform, KeysAndKeyTextIncludingTheCloseButton) {
  start();
  headless().pressKey(key::Left);
  EXPECT_TRUE(keyDown(key::Left));
  EXPECT_FALSE(keyDown(key::Right));
  EXPECT_FALSE(keyDown(-1));
  EXPECT_FALSE(keyDown(500));
  headless().releaseKey(key::Left);
  EXPECT_FALSE(keyDown(key::Left));
  headless().typeText("a");
  headless().requestClose();
  EXPECT_EQ(pendingKeyText(), "a");
  EXPECT_EQ(pendingKeyText(), "\xFFk");
  EXPECT_EQ(pendingKeyText(), "");
  waitForKey();  // no script and nobody to press a key: returns at once
  shutdownPlatform();
}

TEST(HeadlessPlatform, ScriptDrivesKeysByTimeAndIgnoresTheKeyboard) {
  RunOptions o;
  o.timedemoPath = writeScript("keys.txt", "0.010 down Space\n0.020 up Space\n0.030 down Esc\n");
  start(o);
  headless().pressKey(key::Up);
  EXPECT_FALSE(keyDown(key::Up)) << "a script owns the keys";
  EXPECT_FALSE(keyDown(key::Space));
  sleepMs(10);
  timer();
  EXPECT_TRUE(keyDown(key::Space));
  sleepMs(10);
  timer();
  EXPECT_FALSE(keyDown(key::Space));
  sleepMs(10);
  timer();
  EXPECT_EQ(pendingKeyText(), "\x1b");
  EXPECT_TRUE(isTimedemo());
  // Sixty seconds after the last event the run is closed like a window.
  sleepMs(59000);
  timer();
  EXPECT_EQ(pendingKeyText(), "");
  sleepMs(2000);
  timer();
  EXPECT_EQ(pendingKeyText(), "\xFFk");
  shutdownPlatform();
}

TEST(HeadlessPlatform, ShotsAreSavedWhenTheClockFirstReachesTheirTime) {
  RunOptions o;
  const std::string path = testing::TempDir() + "shot.bmp";
  std::remove(path.c_str());
  o.shots.push_back({0.5, path});
  start(o);
  ASSERT_TRUE(openScreen(8, 8, 2, false));
  setVisiblePage(0);
  EXPECT_FALSE(std::ifstream(path).good());
  fillBox(workPage(), 0, 0, 7, 7, 0xFF123456u);
  // A sprite pixel keeps drawing's mark in its fourth byte; the shot shows
  // it as the screen does, opaque.
  setPixel(workPage(), 2, 2, 0x00ABCDEFu);
  sleepMs(500);
  timer();
  setVisiblePage(0);
  Image saved = createImage(8, 8, 0);
  ASSERT_TRUE(loadBmp(saved, path));
  EXPECT_EQ(getPixel(saved, 3, 3), 0xFF123456u);
  EXPECT_EQ(getPixel(saved, 2, 2), 0xFFABCDEFu);
  shutdownPlatform();
  std::remove(path.c_str());
}

TEST(HeadlessPlatform, RecordingWritesAScriptThatReplays) {
  RunOptions o;
  o.recordPath = testing::TempDir() + "rec.txt";
  start(o);
  sleepMs(250);
  timer();
  headless().pressKey(key::Enter);
  keyDown(key::Enter);
  headless().requestClose();
  pendingKeyText();
  shutdownPlatform();
  RunOptions replay;
  replay.timedemoPath = o.recordPath;
  start(replay);
  EXPECT_FALSE(keyDown(key::Enter));
  sleepMs(250);
  timer();
  EXPECT_TRUE(keyDown(key::Enter));
  EXPECT_EQ(pendingKeyText(), "\xFFk");
  shutdownPlatform();
}

TEST(HeadlessPlatform, APadsHoldIsToldApartAndScriptsCombineItWithTheKeyboard) {
  RunOptions o;
  o.recordPath = testing::TempDir() + "pad_rec.txt";
  start(o);
  headless().pressPadButton(key::Left);
  EXPECT_TRUE(keyDown(key::Left));
  EXPECT_TRUE(padKeyDown(key::Left));
  sleepMs(250);
  timer();
  headless().releasePadButton(key::Left);
  headless().pressKey(key::Right);
  EXPECT_FALSE(padKeyDown(key::Left));
  EXPECT_TRUE(keyDown(key::Right));
  EXPECT_FALSE(padKeyDown(key::Right)) << "the keyboard's keys are not the pad's";
  shutdownPlatform();

  RunOptions replay;
  replay.timedemoPath = o.recordPath;
  start(replay);
  EXPECT_TRUE(padKeyDown(key::Left));
  EXPECT_TRUE(keyDown(key::Left));  // seen held, so its release is no tap
  sleepMs(250);
  timer();
  EXPECT_FALSE(padKeyDown(key::Left));
  EXPECT_FALSE(keyDown(key::Left));
  EXPECT_TRUE(keyDown(key::Right));
  shutdownPlatform();

  // A key held by the script's keyboard and its pad stays held until both let go.
  RunOptions both;
  both.timedemoPath = writeScript("pad_keys.txt", "0.1 paddown Up\n0.2 down Up\n0.3 padup Up\n0.4 up Up\n");
  start(both);
  const bool expected[][2] = {{false, false}, {true, true}, {true, true}, {true, false}, {false, false}};
  for (const auto& [held, byPad] : expected) {
    EXPECT_EQ(keyDown(key::Up), held);
    EXPECT_EQ(padKeyDown(key::Up), byPad);
    sleepMs(100);
    timer();
  }
  shutdownPlatform();
}

TEST(HeadlessPlatform, CharacterCellsDrawOnThePageAndReachStandardOutput) {
  start();
  ASSERT_TRUE(openScreen(160, 64, 1, false));
  testing::internal::CaptureStdout();
  locate(2, 3);
  printText("Hi");
  printText("Hi");  // a new row: printed again
  locate(2, 3);
  printText("Hi");  // the same line at the same cell: shown, not repeated on stdout
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Hi\nHi\n");
  int lit = 0;
  for (int y = 16; y < 32; ++y)
    for (int x = 16; x < 32; ++x) lit += getPixel(workPage(), x, y) == kDefaultForeground;
  EXPECT_GT(lit, 0) << "cell (2, 3) starts at pixel (16, 16)";
  shutdownPlatform();
}

TEST(HeadlessPlatform, RandomNumbersAreFifteenBitFractionsAndSeedable) {
  start();
  seedRandom(7);
  double first[4];
  for (double& v : first) v = randomUnit();
  seedRandom(7);
  for (const double v : first) EXPECT_DOUBLE_EQ(randomUnit(), v);
  for (int i = 0; i < 10000; ++i) {
    const double v = randomUnit();
    ASSERT_GE(v, 0.0);
    ASSERT_LT(v, 1.0);
    ASSERT_DOUBLE_EQ(v * 32768.0, static_cast<double>(static_cast<int>(v * 32768.0)));
  }
  shutdownPlatform();
}
