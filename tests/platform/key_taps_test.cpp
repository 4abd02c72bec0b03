// Short taps over the headless backend: a key that went down and up between
// two frames is held for the next frame, and no longer; a key held for
// longer reads as it is held. A frame ends when a page is shown.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/run_options.h"

using namespace platform;

namespace {

class KeyTaps : public testing::Test {
 protected:
  void SetUp() override { start({}); }
  void TearDown() override { shutdownPlatform(); }

  void start(const RunOptions& options) {
    ASSERT_FALSE(initPlatform(std::make_unique<HeadlessBackend>(), options).has_value());
    ASSERT_TRUE(openScreen(16, 16, 2, false));
  }
  static HeadlessBackend& headless() { return static_cast<HeadlessBackend&>(backend()); }
  static void endFrame() { setVisiblePage(0); }
  static void tapInOnePump(int scancode) {
    headless().pressKey(scancode);
    headless().releaseKey(scancode);
  }
};

}  // namespace

TEST_F(KeyTaps, ATapBetweenTwoFramesIsHeldForTheWholeNextFrameOnly) {
  EXPECT_FALSE(keyDown(key::Esc));
  endFrame();
  tapInOnePump(key::Esc);
  EXPECT_TRUE(keyDown(key::Esc));
  EXPECT_TRUE(keyDown(key::Esc)) << "every read of that frame agrees";
  EXPECT_FALSE(keyDown(key::Enter)) << "only the tapped key";
  endFrame();
  EXPECT_FALSE(keyDown(key::Esc));
  // unlocking a single page ends a frame just as well
  tapInOnePump(key::Space);
  EXPECT_TRUE(keyDown(key::Space));
  screenUnlock();
  EXPECT_FALSE(keyDown(key::Space));
}

TEST_F(KeyTaps, ATapAfterTheFramesLastReadReachesTheNextFrameAndNoLater) {
  EXPECT_FALSE(keyDown(key::Esc));  // the frame's own read, before the tap
  tapInOnePump(key::Esc);
  timer();  // the clock's reading before the page is shown delivers it
  endFrame();
  EXPECT_TRUE(keyDown(key::Esc));
  endFrame();
  EXPECT_FALSE(keyDown(key::Esc));

  // A tap that no frame reads is dropped after the next frame: a program
  // that looks at the key later sees no press that long ago.
  tapInOnePump(key::Enter);
  timer();
  endFrame();
  endFrame();
  EXPECT_FALSE(keyDown(key::Enter));
}

TEST_F(KeyTaps, APressAcrossOneFrameEndThatNoReadSawIsATapToo) {
  headless().pressKey(key::Esc);
  timer();  // pumped after the frame's reads
  endFrame();
  headless().releaseKey(key::Esc);
  EXPECT_TRUE(keyDown(key::Esc));
  endFrame();
  EXPECT_FALSE(keyDown(key::Esc));
}

TEST_F(KeyTaps, KeysHeldLongerReadExactlyAsTheyAreHeld) {
  // Seen while held: released means released at once.
  headless().pressKey(key::Left);
  EXPECT_TRUE(keyDown(key::Left));
  headless().releaseKey(key::Left);
  EXPECT_FALSE(keyDown(key::Left));
  // Seen held in an earlier frame.
  headless().pressKey(key::Left);
  EXPECT_TRUE(keyDown(key::Left));
  endFrame();
  endFrame();
  headless().releaseKey(key::Left);
  EXPECT_FALSE(keyDown(key::Left));
  // Held through a whole frame that never read it: no tap either.
  headless().pressKey(key::Right);
  timer();
  endFrame();
  endFrame();
  headless().releaseKey(key::Right);
  EXPECT_FALSE(keyDown(key::Right));
}

TEST_F(KeyTaps, APadButtonTapIsHeldAsAKeyAndAsThePadsKey) {
  headless().pressPadButton(key::Down);
  headless().releasePadButton(key::Down);
  EXPECT_TRUE(padKeyDown(key::Down));
  EXPECT_TRUE(keyDown(key::Down));
  endFrame();
  EXPECT_FALSE(padKeyDown(key::Down));
  EXPECT_FALSE(keyDown(key::Down));
}

TEST_F(KeyTaps, AScriptsTapInsideOneFrameIsHeldForTheNextFrame) {
  shutdownPlatform();
  RunOptions o;
  o.timedemoPath = testing::TempDir() + "tap_script.txt";
  // 12 ms taps of Esc and of the pad's Up, inside one 20 ms frame.
  std::ofstream(o.timedemoPath) << "0.004 down Esc\n0.004 paddown Up\n0.016 up Esc\n0.016 padup Up\n";
  start(o);
  EXPECT_FALSE(keyDown(key::Esc));
  endFrame();
  sleepMs(20);
  timer();
  EXPECT_TRUE(keyDown(key::Esc));
  EXPECT_TRUE(keyDown(key::Up));
  EXPECT_TRUE(padKeyDown(key::Up));
  EXPECT_EQ(pendingKeyText(), "\x1b") << "the scripted Esc leaves its key text as before";
  endFrame();
  EXPECT_FALSE(keyDown(key::Esc));
  EXPECT_FALSE(keyDown(key::Up));
  EXPECT_FALSE(padKeyDown(key::Up));
}

TEST_F(KeyTaps, ABusyReaderSeesATapForTheRestOfThePassThatFirstReadsIt) {
  // A demo program's pass: read, read, show a page; a tap lands mid-pass.
  EXPECT_FALSE(keyDown(key::A));
  tapInOnePump(key::A);
  EXPECT_TRUE(keyDown(key::A));
  endFrame();
  for (int pass = 0; pass < 3; ++pass) {
    EXPECT_FALSE(keyDown(key::A)) << "a tap counts once, in one pass";
    endFrame();
  }
}
