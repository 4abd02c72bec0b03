// The timing test's loop on the headless backend.
#include "platform/key_codes.h"
#include "support/demo_fixture.h"
#include "testbench/media_command.h"
#include "demos/common/ball_scene.h"
#include "demos/timing_test/timing_test.h"

namespace {

namespace key = platform::key;
using timing_test::TimingTest;

class TimingTestLoop : public demo_test::DemoTest {
 protected:
  void start() { timing_test::startUp(program); }
  void finish() {
    timing_test::shutDown(program);
    finished = true;
  }
  void TearDown() override {
    if (!finished) finish();
    DemoTest::TearDown();
  }
  void passes(int n, double step) {
    for (int i = 0; i < n; ++i) {
      advance(step);
      ASSERT_TRUE(timing_test::runFrame(program));
    }
  }

  TimingTest program;
  bool finished = false;
};

TEST_F(TimingTestLoop, BothArrowsShareOneTimeStamp) {
  start();
  press(key::Left);
  press(key::Right);
  int previous = program.playerX;
  for (int i = 0; i < 64; ++i) {  // 0.5 s
    passes(1, 1.0 / 128.0);
    // Left moves first; Right then finds the stamp fresh and waits.
    ASSERT_LE(program.playerX, previous);
    ASSERT_GE(program.playerX, previous - 1);
    previous = program.playerX;
  }
  EXPECT_GE(200 - program.playerX, 14);
  EXPECT_LE(200 - program.playerX, 17);  // one pixel per 0.03 s
  release(key::Left);
  passes(64, 1.0 / 128.0);
  EXPECT_GT(program.playerX, previous);
  EXPECT_LE(program.playerX - previous, 17);
}

TEST_F(TimingTestLoop, TheCharacterStopsAtTheLeftEdge) {
  start();
  press(key::Left);
  passes(400, 0.04);
  EXPECT_EQ(program.playerX, 10);
}

TEST_F(TimingTestLoop, BeforeAnyKeyTheLineShowsTwoHundredAndTheStars) {
  start();
  passes(1, 0.001);
  EXPECT_TRUE(textShown(program.page, 200, 200, "200 ***************"));
}

TEST_F(TimingTestLoop, TheInactiveMoversNeverAppear) {
  start();
  passes(1, 0.001);
  // Their pictures would sit in the top-left corner, over the green frame
  // (0 to 10) and the black inside it; the active ones start far from it.
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) {
      const std::uint32_t expected = (x <= 10 || y <= 10) ? demo::kFrameGreen : 0u;
      ASSERT_EQ(program.page.row(y)[x] & 0xFFFFFFu, expected) << x << "," << y;
    }
  }
  passes(2000, 0.001);
  for (std::size_t i = 5; i <= 10; ++i) {
    EXPECT_TRUE(program.movers[i].direction.empty());
    EXPECT_EQ(program.movers[i].x, 0);
    EXPECT_EQ(program.movers[i].y, 0);
  }
}

TEST_F(TimingTestLoop, BouncesPlayThroughTheOneChannelPerFileAliases) {
  start();
  passes(3000, 0.001);  // ball 1 needs 0.13 s to reach the top, then keeps bouncing
  EXPECT_EQ(media.count("open \"29H.WAV\" alias SPMCIPS"), 1);
  const std::string alias = [&] {
    for (const auto& [a, f] : media.fileOfAlias) {
      if (f == "29H.WAV") return a;
    }
    return std::string();
  }();
  EXPECT_EQ(alias.rfind("SPMCIPS", 0), 0u);
  EXPECT_GE(media.count("play " + alias + " from 0"), 2);  // a replay restarts the same channel
}

TEST_F(TimingTestLoop, EscapeLeavesTheLoopAndOneMoreKeyEndsTheProgram) {
  startPlatform(50e-6, "0.2 down Esc\n0.3 up Esc\n1.5 down Space\n1.6 up Space\n");
  start();
  int passCount = 0;
  while (timing_test::runFrame(program)) ++passCount;
  EXPECT_GT(passCount, 10);
  EXPECT_EQ(program.end, demo::LoopEnd::Escape);
  EXPECT_LT(platform::timer(), 1.0);
  const std::size_t before = media.commands.size();
  finish();  // waits for the second key
  EXPECT_GE(platform::timer(), 1.5);
  // The exit closes every slot's alias, used or not, in slot order.
  ASSERT_EQ(media.commands.size() - before, 4096u);
  EXPECT_EQ(media.commands[before], "close SPMCIPS0000");
  EXPECT_EQ(media.commands.back(), "close SPMCIPS4095");
}

TEST_F(TimingTestLoop, MissingFilesLeaveTheSceneRunning) {
  runFromEmptyFolder();
  testbench::SetMediaCommandFunction({});
  start();
  press(key::Right);
  passes(3000, 0.001);
  EXPECT_GT(program.playerX, 200);
  EXPECT_NE(program.movers[1].y, 200);  // ball 1 still moves and bounces
}

TEST(TimingTestSummary, NamesMoversAndPlayer) {
  TimingTest program;
  program.movers.resize(5);
  program.movers[1].x = 3;
  program.movers[1].y = 4;
  program.movers[1].direction = "6";
  EXPECT_EQ(timing_test::summary(program), " mover1=3,4,6 mover2=0,0,- mover3=0,0,- mover4=0,0,- player_x=200");
}

}  // namespace
