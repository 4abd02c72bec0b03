// Collision boxes, the bounce turns and both forms of the mover update.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "headless_fixture.h"
#include "tests/support/recording_media.h"
#include "testbench/bounce_directions.h"
#include "testbench/boxes.h"
#include "testbench/movers.h"
#include "testbench/sound_channels.h"
#include "testbench/table.h"
#include "testbench/timing_sound.h"

using namespace testbench;
using platform::Colour;

namespace {

constexpr Colour kBall = 0xFF00AA00u;

Box box(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, const std::string& group) {
  return Box{x, y, w, h, "YES", 1, group};
}

std::size_t countStartingWith(const std::vector<std::string>& commands, const std::string& prefix) {
  return static_cast<std::size_t>(std::count_if(commands.begin(), commands.end(),
                                                [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
}

class Movers : public testbench_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    SoundInit();
    timing::SoundInit();
    target = platform::createImage(640, 480, 0);
    picture = std::make_shared<platform::Image>(platform::createImage(20, 20, kBall));
    movers = MakeTable<Mover>(1);
    boxes = MakeTable<Box>(2);
    BoxCount = 2;
  }

  // Mover 1 with box 1 at (x, y), 20 x 20, stepping every 0.01 s.
  Mover& placeMover(std::int32_t x, std::int32_t y, const std::string& direction) {
    Mover& m = movers[1];
    m = Mover{};
    m.x = x;
    m.y = y;
    m.step = 1;
    m.interval = 0.01;
    m.direction = direction;
    m.bounceSound = "bounce.wav";
    m.width = 20;
    m.height = 20;
    m.image = picture;
    boxes[1] = box(x, y, 20, 20, "Ball 1");
    return m;
  }

  void nextStepDue() { headless().advanceClock(0.02); }

  test_support::RecordingMedia media;
  platform::Image target;
  ImageHandle picture;
  std::vector<Mover> movers;
  std::vector<Box> boxes;
};

}  // namespace

TEST(BoxesOverlap, EdgesThatTouchOverlap) {
  EXPECT_EQ(BoxesOverlap(0, 0, 10, 10, 10, 0, 5, 5), 1) << "x1 + w1 = x2";
  EXPECT_EQ(BoxesOverlap(0, 0, 10, 10, 11, 0, 5, 5), 0);
  EXPECT_EQ(BoxesOverlap(20, 0, 5, 5, 0, 0, 20, 10), 1) << "x1 = x2 + w2";
  EXPECT_EQ(BoxesOverlap(0, 0, 10, 10, 0, 10, 5, 5), 1) << "y1 + h1 = y2";
  EXPECT_EQ(BoxesOverlap(0, 16, 10, 10, 0, 10, 5, 5), 0);
}

TEST(CollidesWithAny, OnlySolidBoxesOfOtherGroupsWithinTheCountAreHit) {
  auto boxes = MakeTable<Box>(4);
  boxes[1] = box(0, 0, 10, 10, "Wall");
  boxes[2] = box(5, 5, 10, 10, "Wall");
  boxes[3] = box(5, 5, 10, 10, "Ball");
  boxes[3].solid = 0;
  boxes[4] = box(5, 5, 10, 10, "Ball 2");
  BoxCount = 3;
  EXPECT_EQ(CollidesWithAny(boxes[1], boxes), "NO") << "same group and non-solid boxes never hit";
  BoxCount = 4;
  EXPECT_EQ(CollidesWithAny(boxes[1], boxes), "YES");
  BoxCount = 99;
  EXPECT_EQ(CollidesWithAny(box(500, 500, 1, 1, "x"), boxes), "NO") << "a count past the table stops at its end";
}

TEST(BoxListCompact, KeepsBoxesWithAKindInOrder) {
  auto boxes = MakeTable<Box>(4);
  boxes[1] = box(1, 0, 1, 1, "a");
  boxes[2] = box(2, 0, 1, 1, "b");
  boxes[2].kind.clear();
  boxes[3] = box(3, 0, 1, 1, "c");
  boxes[4] = box(4, 0, 1, 1, "d");
  BoxCount = 3;
  BoxListCompact(boxes);
  EXPECT_EQ(BoxCount, 2);
  EXPECT_EQ(boxes[1].x, 1);
  EXPECT_EQ(boxes[2].x, 3);
  EXPECT_EQ(boxes[3].x, 3) << "slots past the new count keep their contents";
  EXPECT_EQ(boxes[4].x, 4) << "slots past the old count are not read";
  BoxCount = 0;
  BoxListCompact(boxes);
  EXPECT_EQ(BoxCount, 0);
}

TEST(BounceDirections, ReplacementsOfEachStraightHit) {
  const auto turned = [](const char* hit) {
    std::vector<std::int32_t> out;
    for (std::int32_t d = 1; d <= 8; ++d) out.push_back(ReplaceBounceDirection(hit, d));
    return out;
  };
  EXPECT_EQ(turned("1"), (std::vector<std::int32_t>{2, 2, 3, 4, 8, 7, 7, 8}));
  EXPECT_EQ(turned("2"), (std::vector<std::int32_t>{1, 1, 3, 4, 5, 6, 6, 5}));
  EXPECT_EQ(turned("3"), (std::vector<std::int32_t>{1, 2, 4, 4, 8, 6, 6, 8}));
  EXPECT_EQ(turned("4"), (std::vector<std::int32_t>{1, 2, 3, 3, 5, 7, 7, 5}));
  EXPECT_EQ(turned("6"), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(Movers, AMoverHittingTheLeftWallStaysPlaysOnceAndTurnsAway) {
  boxes[2] = box(0, 0, 10, 480, "Left Wall");
  std::set<std::string> seen;
  for (int trial = 0; trial < 60; ++trial) {
    Mover& m = placeMover(11, 100, "3");
    nextStepDue();
    media.take();
    UpdateMovers(movers, target, boxes);
    ASSERT_EQ(m.x, 11) << "the step into the wall is undone";
    ASSERT_EQ(boxes[1].x, 11);
    ASSERT_EQ(countStartingWith(media.commands, "play "), 1u);
    seen.insert(m.direction);
  }
  for (const std::string& d : seen) EXPECT_TRUE(std::set<std::string>({"1", "2", "4", "6", "8"}).count(d)) << d;
  EXPECT_GE(seen.size(), 3u) << "the new direction is drawn at random";
}

TEST_F(Movers, AFreeStepMovesTheBoxAndTheMoverTogether) {
  boxes[2] = box(300, 300, 10, 10, "Wall");
  Mover& m = placeMover(100, 100, "8");
  nextStepDue();
  UpdateMovers(movers, target, boxes);
  EXPECT_EQ(m.x, 101);
  EXPECT_EQ(m.y, 101);
  EXPECT_EQ(boxes[1].x, 101);
  EXPECT_DOUBLE_EQ(m.lastStepTime, platform::timer());
  EXPECT_TRUE(media.commands.empty()) << "no hit, no sound";
  EXPECT_EQ(platform::getPixel(target, 101, 101), kBall & 0x00FFFFFFu);
}

TEST_F(Movers, AMoverNotYetDueIsStillDrawnAtItsBox) {
  Mover& m = placeMover(100, 100, "4");
  m.lastStepTime = 0.0;
  m.interval = 1.0;
  boxes[1].x = 200;  // the program moved the box
  headless().advanceClock(0.5);
  UpdateMovers(movers, target, boxes);
  EXPECT_EQ(m.x, 200);
  EXPECT_DOUBLE_EQ(m.lastStepTime, 0.0);
  EXPECT_NE(platform::getPixel(target, 200, 100), 0u);
  EXPECT_EQ(platform::getPixel(target, 100, 100), 0u);
}

TEST_F(Movers, AnEmptyDirectionIsNeitherMovedNorDrawn) {
  Mover& m = placeMover(100, 100, "");
  nextStepDue();
  UpdateMovers(movers, target, boxes);
  EXPECT_EQ(m.x, 100);
  EXPECT_EQ(std::count(target.pixels.begin(), target.pixels.end(), 0u), 640 * 480);
}

TEST_F(Movers, AnUnknownDirectionMovesNothingButRenewsTheStepTime) {
  Mover& m = placeMover(100, 100, "9");
  nextStepDue();
  UpdateMovers(movers, target, boxes);
  EXPECT_EQ(m.x, 100);
  EXPECT_EQ(m.y, 100);
  EXPECT_DOUBLE_EQ(m.lastStepTime, platform::timer());
}

TEST_F(Movers, TheCollisionTestsFormSoundsOnlyOnDownwardHits) {
  boxes[2] = box(0, 0, 640, 10, "Top Wall");
  placeMover(100, 11, "1");
  nextStepDue();
  UpdateMoversSoundDown(movers, target, boxes);
  EXPECT_EQ(countStartingWith(media.commands, "play "), 0u);
  EXPECT_NE(movers[1].direction, "1") << "still turned";

  boxes[2] = box(0, 469, 640, 10, "Bottom Wall");
  placeMover(100, 448, "2");
  nextStepDue();
  UpdateMoversSoundDown(movers, target, boxes);
  EXPECT_EQ(countStartingWith(media.commands, "play "), 1u);
}

TEST_F(Movers, MoversWithoutABoxAreSkipped) {
  movers = MakeTable<Mover>(3);
  placeMover(100, 100, "4");
  movers[3] = movers[1];
  movers[3].x = 5;
  nextStepDue();
  UpdateMovers(movers, target, boxes);
  EXPECT_EQ(movers[3].x, 5);
}

TEST_F(Movers, InBoundsRightEdgeAt605And610) {
  Mover& m = placeMover(605, 100, "4");
  m.step = 5;
  nextStepDue();
  UpdateMoversInBounds(movers, target);
  EXPECT_EQ(m.x, 610) << "610 + 20 = 630 is checked on the next step";
  EXPECT_EQ(m.direction, "4");
  EXPECT_TRUE(media.commands.empty());

  nextStepDue();
  UpdateMoversInBounds(movers, target);
  EXPECT_EQ(m.x, 609) << "629 - 20";
  EXPECT_TRUE(std::set<std::string>({"1", "2", "3", "5", "7"}).count(m.direction)) << m.direction;
  EXPECT_EQ(media.commands.back(), "play SPMCIPS0000 from 0") << "the timing form's own sound";
}

TEST_F(Movers, InBoundsLeftTopAndBottomLimits) {
  Mover& m = placeMover(10, 100, "3");
  nextStepDue();
  UpdateMoversInBounds(movers, target);
  EXPECT_EQ(m.x, 10);
  EXPECT_TRUE(std::set<std::string>({"1", "2", "4", "6", "8"}).count(m.direction)) << m.direction;

  placeMover(100, 11, "1");
  nextStepDue();
  UpdateMoversInBounds(movers, target);
  EXPECT_EQ(movers[1].y, 10) << "above the limit it still steps";

  placeMover(100, 448, "2");
  nextStepDue();
  UpdateMoversInBounds(movers, target);
  EXPECT_EQ(movers[1].y, 449) << "448 + 20 is not past 468";
  EXPECT_EQ(movers[1].direction, "2");
  nextStepDue();
  media.take();
  UpdateMoversInBounds(movers, target);
  EXPECT_EQ(movers[1].y, 449) << "469 - 20";
  EXPECT_EQ(countStartingWith(media.commands, "play "), 1u);
}

TEST_F(Movers, InBoundsCornerBouncesOnBothAxes) {
  Mover& m = placeMover(609, 449, "8");
  nextStepDue();
  media.take();
  UpdateMoversInBounds(movers, target);
  EXPECT_EQ(m.x, 609);
  EXPECT_EQ(m.y, 449);
  EXPECT_EQ(countStartingWith(media.commands, "play "), 2u) << "one sound per bounce";
  EXPECT_TRUE(std::set<std::string>({"1", "3", "4", "5", "6"}).count(m.direction))
      << "the last bounce turns it off the bottom: " << m.direction;
}
