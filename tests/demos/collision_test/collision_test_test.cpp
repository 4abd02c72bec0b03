// The collision test's loop on the headless backend. Its frame pacing
// busy-waits on the clock, so the clock also moves a little on every
// reading.
#include <vector>

#include "platform/key_codes.h"
#include "support/demo_fixture.h"
#include "testbench/boxes.h"
#include "testbench/media_command.h"
#include "demos/collision_test/collision_test.h"

namespace {

namespace key = platform::key;
using collision_test::CollisionTest;

constexpr double kTick = 1e-5;

class CollisionTestLoop : public demo_test::DemoTest {
 protected:
  void start() {
    startPlatform(kTick, "");
    collision_test::startUp(program);
  }
  void finish() {
    collision_test::shutDown(program);
    finished = true;
  }
  void TearDown() override {
    if (!finished) finish();
    DemoTest::TearDown();
  }
  void passes(int n) {
    for (int i = 0; i < n; ++i) ASSERT_TRUE(collision_test::runFrame(program));
  }

  CollisionTest program;
  bool finished = false;
};

TEST_F(CollisionTestLoop, OpensTheFourBounceSoundsAndFillsEightBoxes) {
  start();
  EXPECT_EQ(media.commands[0], "open \"29H.MP3\" shareable alias 1");
  EXPECT_EQ(media.count("open \"Gong.mp3\" shareable alias 4"), 1);
  EXPECT_EQ(testbench::BoxCount, 8);
  EXPECT_EQ(program.boxes[3].group, "Ball 3");
  EXPECT_EQ(program.boxes[3].x, 500);
  EXPECT_EQ(program.boxes[8].group, "Bottom Wall");
}

TEST_F(CollisionTestLoop, TheFrameCounterCountsPassesAndSavesThemEachSecond) {
  start();
  std::vector<double> counters;
  std::vector<double> lastCounts;
  while (platform::timer() < 1.2) {
    passes(1);
    counters.push_back(program.frameCounter);
    lastCounts.push_back(program.lastSecondCount);
  }
  EXPECT_TRUE(textShown(program.page, 200, 100, collision_test::framesLine(program.frameCounter, program.lastSecondCount)));
  std::size_t second = 0;
  while (second < lastCounts.size() && lastCounts[second] == 0.0) ++second;
  ASSERT_LT(second, lastCounts.size());
  // Before the first full second: 1, 2, 3, ... and a last count of 0.
  for (std::size_t i = 0; i < second; ++i) ASSERT_EQ(counters[i], static_cast<double>(i + 1));
  // The pass that saves the count is not counted itself.
  EXPECT_EQ(lastCounts[second], static_cast<double>(second));
  EXPECT_EQ(counters[second], 0.0);
  // Paced at 0.003 s a pass, the first second holds at most 333 of them.
  EXPECT_LE(second, 334u);
  EXPECT_GE(second, 250u);
}

TEST_F(CollisionTestLoop, TheFirstPassReadsOneAndZero) {
  start();
  passes(1);
  EXPECT_TRUE(textShown(program.page, 200, 100, "1    0"));
}

TEST_F(CollisionTestLoop, BShowsBoxesUnpacedNHidesThemAndWinsOverB) {
  start();
  press(key::B);
  passes(1);
  EXPECT_EQ(program.showBoxes, "Y");
  const testbench::Box& ball = program.boxes[1];
  EXPECT_EQ(program.page.row(ball.y)[ball.x] & 0xFFFFFFu, collision_test::kOutlineGreen);
  // Without pacing a pass takes only its own clock readings.
  const double before = platform::timer();
  passes(1);
  EXPECT_LT(platform::timer() - before, collision_test::kFramePacing);
  release(key::B);
  passes(1);
  EXPECT_EQ(program.showBoxes, "Y");  // the flag stays until N
  press(key::B);
  press(key::N);
  passes(1);
  EXPECT_EQ(program.showBoxes, "N");
  const testbench::Box& moved = program.boxes[1];
  EXPECT_NE(program.page.row(moved.y)[moved.x] & 0xFFFFFFu, collision_test::kOutlineGreen);
  const double paced = platform::timer();
  passes(1);
  EXPECT_GE(platform::timer() - paced, collision_test::kFramePacing);
}

TEST_F(CollisionTestLoop, LeftAndRightTogetherMoveRight) {
  start();
  press(key::Left);
  press(key::Right);
  passes(300);
  EXPECT_GT(program.playerX, 200);
  release(key::Left);
  release(key::Right);
  press(key::Left);
  passes(2000);
  EXPECT_EQ(program.playerX, 10);
}

TEST_F(CollisionTestLoop, BallsStayInsideTheWallsAndShowTheirDirections) {
  start();
  passes(3000);
  for (std::size_t i = 1; i <= 4; ++i) {
    const auto& m = program.movers[i];
    EXPECT_GE(m.x, 10);
    EXPECT_LE(m.x + m.width, 629);
    EXPECT_GE(m.y, 10);
    EXPECT_LE(m.y + m.height, 469);
  }
  EXPECT_TRUE(textShown(program.page, 200, 200, collision_test::directionsLine(program.movers)));
}

TEST_F(CollisionTestLoop, EscapeLeavesTheLoopAndOneMoreKeyEndsTheProgram) {
  startPlatform(kTick, "0.2 down Esc\n0.3 up Esc\n1.5 down Space\n");
  collision_test::startUp(program);
  while (collision_test::runFrame(program)) {
  }
  EXPECT_EQ(program.end, demo::LoopEnd::Escape);
  EXPECT_LT(platform::timer(), 1.0);
  finish();  // waits for the second key
  EXPECT_GE(platform::timer(), 1.5);
  EXPECT_EQ(media.count("close "), 4096);
}

TEST_F(CollisionTestLoop, TheCloseButtonEndsWithoutWaitingForAKey) {
  start();
  passes(2);
  headless().requestClose();
  EXPECT_FALSE(collision_test::runFrame(program));
  EXPECT_EQ(program.end, demo::LoopEnd::Closed);
}

TEST_F(CollisionTestLoop, MissingFilesLeaveTheSceneRunning) {
  runFromEmptyFolder();
  testbench::SetMediaCommandFunction({});
  start();
  press(key::B);
  passes(2000);
  EXPECT_EQ(program.player.width, 0);
}

TEST(CollisionTestLines, DirectionsAndFrameCounts) {
  std::vector<testbench::Mover> movers(11);
  movers[1].direction = "1";
  movers[2].direction = "8";
  movers[3].direction = "3";
  movers[4].direction = "4";
  EXPECT_EQ(collision_test::directionsLine(movers), "1 8 3 4");
  EXPECT_EQ(collision_test::framesLine(0.0, 0.0), "0    0");
  EXPECT_EQ(collision_test::framesLine(12.0, 333.0), "12    333");
}

}  // namespace
