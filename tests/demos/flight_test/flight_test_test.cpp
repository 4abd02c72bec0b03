// The flight test's loop, a pass at a time on the headless backend. Each
// pass advances the clock by 1/64 s, so an animation step (0.05 s) comes
// every fourth pass and the jet moves one pixel per pass.
#include <cstdlib>
#include <vector>

#include "platform/key_codes.h"
#include "platform/platform.h"
#include "support/demo_fixture.h"
#include "testbench/sprites.h"
#include "demos/flight_test/flight_test.h"

namespace {

namespace key = platform::key;
using flight_test::FlightTest;

constexpr double kPass = 1.0 / 64.0;

class FlightTestLoop : public demo_test::DemoTest {
 protected:
  void SetUp() override {
    DemoTest::SetUp();
    flight_test::startUp(program);
  }
  void TearDown() override {
    flight_test::shutDown(program);
    DemoTest::TearDown();
  }

  void pass() {
    advance(kPass);
    ASSERT_TRUE(flight_test::runFrame(program));
  }
  void passes(int n) {
    for (int i = 0; i < n; ++i) pass();
  }
  // The jet frame after each of the next n animation steps.
  std::vector<int> animationSteps(int n) {
    std::vector<int> frames;
    while (static_cast<int>(frames.size()) < n) {
      const double before = program.lastFrameChange;
      pass();
      if (program.lastFrameChange != before) frames.push_back(program.jetFrame);
    }
    return frames;
  }

  FlightTest program;
};

TEST_F(FlightTestLoop, WithoutTurnKeysTheJetCyclesItsLevelPictures) {
  EXPECT_EQ(animationSteps(9), (std::vector<int>{12, 6, 5, 12, 6, 5, 12, 6, 5}));
}

TEST_F(FlightTestLoop, HoldingLeftClimbsToTheSteepestBankThenAlternates) {
  animationSteps(3);  // ends on 5
  press(key::Left);
  EXPECT_EQ(animationSteps(9), (std::vector<int>{12, 13, 14, 15, 16, 15, 16, 15, 16}));
  release(key::Left);
  // One frame back per step to the level pictures, then the level cycle.
  EXPECT_EQ(animationSteps(9), (std::vector<int>{15, 14, 13, 12, 6, 5, 12, 6, 5}));
}

TEST_F(FlightTestLoop, HoldingRightBanksStepByStepAndReleaseStepsBack) {
  animationSteps(3);  // ends on 5
  press(key::Right);
  EXPECT_EQ(animationSteps(8), (std::vector<int>{12, 6, 7, 8, 9, 10, 9, 10}));
  release(key::Right);
  EXPECT_EQ(animationSteps(8), (std::vector<int>{9, 8, 7, 6, 5, 12, 6, 5}));
}

TEST_F(FlightTestLoop, ASelectorThatIsNotYetDueLeavesTheJetOnItsFrame) {
  // Held from the start, the left selector's first call starts its own
  // interval and answers 0: the jet keeps frame 11 instead of slot 0.
  press(key::Left);
  EXPECT_EQ(animationSteps(1), (std::vector<int>{6}));
  EXPECT_EQ(program.lastFrame, 11);
  const std::vector<int> frames = animationSteps(8);
  EXPECT_EQ(frames, (std::vector<int>{5, 12, 13, 14, 15, 16, 15, 16}));
}

TEST_F(FlightTestLoop, DiagnosticsShowSpeedAndFramesAndLastFrameStartsAtZero) {
  pass();
  EXPECT_TRUE(textShown(program.page, 0, 0, "Scroll Speed=3", 0xFFFFFF));
  EXPECT_TRUE(textShown(program.page, 0, 10, "Current Frame=11", 0xFFFFFF));
  EXPECT_TRUE(textShown(program.page, 0, 20, "Last Frame=0", 0xFFFFFF));
  animationSteps(1);
  EXPECT_TRUE(textShown(program.page, 0, 20, "Last Frame=12", 0xFFFFFF));
  // And the page reaches the screen.
  EXPECT_TRUE(textShown(platform::visiblePage(), 0, 10, "Current Frame=12", 0xFFFFFF));
}

TEST_F(FlightTestLoop, HoldingFireLaunchesNothingTheReleaseLaunchesOnePair) {
  press(key::A);
  passes(60);
  EXPECT_EQ(demo::countFlyingMissiles(program.missiles), 0);
  EXPECT_EQ(media.playsOf("Missile2.mp3"), 0);
  release(key::A);
  pass();
  EXPECT_EQ(demo::countFlyingMissiles(program.missiles), 2);
  EXPECT_EQ(media.playsOf("Missile2.mp3"), 1);
  // The pair starts 30 pixels either side of the launch point's centre and
  // flies level, pass after pass.
  passes(5);
  std::vector<int> xs;
  std::vector<int> ys;
  for (const auto& m : program.missiles) {
    if (m.state != "S") continue;
    xs.push_back(m.x);
    ys.push_back(m.y);
  }
  ASSERT_EQ(xs.size(), 2u);
  EXPECT_EQ(std::abs(xs[1] - xs[0]), 60);
  EXPECT_EQ(ys[0], ys[1]);
}

TEST_F(FlightTestLoop, ReleasesWithinTheFireIntervalWaitAndFireOncePerPress) {
  press(key::A);
  pass();
  release(key::A);
  pass();  // the first shot
  press(key::A);
  pass();
  release(key::A);
  passes(5);  // well inside 0.3 s: pending
  EXPECT_EQ(media.playsOf("Missile2.mp3"), 1);
  passes(20);  // the interval has passed: the pending shot goes
  EXPECT_EQ(media.playsOf("Missile2.mp3"), 2);
  passes(40);  // no further press, no further shot
  EXPECT_EQ(media.playsOf("Missile2.mp3"), 2);
}

TEST_F(FlightTestLoop, HammeringFireLaunchesAtMostOncePerFireInterval) {
  for (int i = 0; i < 64; ++i) {  // one second, the key changing every pass
    (i % 2 == 0) ? press(key::A) : release(key::A);
    pass();
  }
  const int shots = media.playsOf("Missile2.mp3");
  EXPECT_GE(shots, 3);
  EXPECT_LE(shots, 4);  // 0, 0.3, 0.6, 0.9 s
}

TEST_F(FlightTestLoop, ScrollSpeedNeverGoesBelowZeroAndAtZeroOnlyTheCloudsMove) {
  press(key::Minus);
  passes(64);
  EXPECT_EQ(program.scrollSpeed, 0);
  const int groundY = program.groundY;
  const auto cloudsBefore = program.clouds.y;
  passes(32);
  EXPECT_EQ(program.scrollSpeed, 0);
  EXPECT_EQ(program.groundY, groundY);
  EXPECT_NE(program.clouds.y, cloudsBefore);
  pass();
  EXPECT_TRUE(textShown(program.page, 0, 0, "Scroll Speed=0", 0xFFFFFF));
  release(key::Minus);
  press(key::KpPlus);
  passes(16);  // a speed check every fourth pass
  EXPECT_EQ(program.scrollSpeed, 4);
}

TEST_F(FlightTestLoop, TheJetStaysInsideBoundsSetByPlaneOne) {
  const int width = testbench::BmpWidth("Plane1.BMP");
  const int height = testbench::BmpHeight("Plane1.BMP");
  ASSERT_GT(width, 0);
  press(key::Left);
  press(key::Up);
  passes(500);
  EXPECT_EQ(program.jet.x, 10);
  EXPECT_EQ(program.jet.y, 10);
  release(key::Left);
  release(key::Up);
  press(key::Right);
  press(key::Down);
  passes(700);
  EXPECT_EQ(program.jet.x, 639 - width);
  EXPECT_EQ(program.jet.y, 479 - height);
}

TEST_F(FlightTestLoop, ClimbingAfterATurnKeepsBankingTheSameWay) {
  press(key::Left);
  pass();
  release(key::Left);
  press(key::Up);
  passes(3);
  EXPECT_EQ(program.turn, "L");
  EXPECT_EQ(program.jet.move, "");  // each pass's one-pixel move clears it
}

TEST_F(FlightTestLoop, FlybyAndMusicRestartWhenTheyHaveEnded) {
  pass();
  EXPECT_EQ(media.playsOf("AceCombat1.mp3"), 1);
  passes(3);
  EXPECT_EQ(media.playsOf("AceCombat1.mp3"), 1);  // still sounding
  media.endFile("AceCombat1.mp3");
  pass();
  EXPECT_EQ(media.playsOf("AceCombat1.mp3"), 2);
  EXPECT_EQ(media.count("open \"AceCombat1.mp3\""), 1);  // the same channel again

  press(key::Right);
  passes(3);
  EXPECT_EQ(media.playsOf("Flyby2.mp3"), 1);
  media.endFile("Flyby2.mp3");
  pass();
  EXPECT_EQ(media.playsOf("Flyby2.mp3"), 2);
}

TEST_F(FlightTestLoop, EnemyPlanesAppearWhileSpaceIsHeld) {
  const testbench::Sprite& enemy = program.sprites[17];
  const auto enemyPixelsAt = [&](int x, int y) {
    int same = 0;
    for (int dy = 0; dy < enemy.height; ++dy) {
      for (int dx = 0; dx < enemy.width; ++dx) {
        const platform::Colour c = enemy.image->row(dy)[dx];
        if (!platform::isMagenta(c) && (program.page.row(y + dy)[x + dx] & 0xFFFFFFu) == (c & 0xFFFFFFu)) ++same;
      }
    }
    return same;
  };
  pass();
  const int without = enemyPixelsAt(300, 200);
  press(key::Space);
  pass();
  const int with = enemyPixelsAt(300, 200);
  EXPECT_GT(with, 500);
  EXPECT_GT(with, 4 * without);
  EXPECT_GT(enemyPixelsAt(220, 150), 500);
  EXPECT_GT(enemyPixelsAt(380, 150), 500);
}

TEST_F(FlightTestLoop, EscapeAndTheCloseButtonEndTheLoop) {
  press(key::Esc);
  advance(kPass);
  EXPECT_FALSE(flight_test::runFrame(program));
  EXPECT_EQ(program.end, demo::LoopEnd::Escape);
  release(key::Esc);
  headless().requestClose();
  EXPECT_FALSE(flight_test::runFrame(program));
  EXPECT_EQ(program.end, demo::LoopEnd::Closed);
}

TEST_F(FlightTestLoop, OnlyTheFirstFiveCloudsAreDrawn) {
  // Clouds 1 to 5 out of sight, cloud 6 opaque in the middle of the screen.
  for (int i = 1; i <= 20; ++i) program.clouds.visible[static_cast<std::size_t>(i)] = 0;
  program.clouds.visible[6] = 1;
  program.clouds.translucent[6] = 0;
  program.clouds.speed[6] = 0;
  program.clouds.x[6] = 200;
  program.clouds.y[6] = 100;
  pass();
  const platform::Image withoutCloud = program.page;
  program.clouds.visible[1] = 1;
  program.clouds.translucent[1] = 0;
  program.clouds.speed[1] = 0;
  program.clouds.x[1] = 200;
  program.clouds.y[1] = 100;
  pass();
  const platform::Colour centre = program.page.row(160)[300] & 0xFFFFFFu;
  EXPECT_EQ(centre, program.sprites[4].image->row(60)[100] & 0xFFFFFFu);  // cloud 1 shows
  EXPECT_NE(withoutCloud.row(160)[300] & 0xFFFFFFu, centre);               // cloud 6 did not
}

TEST(FlightTestSummary, NamesTheJetScrollAndMissiles) {
  FlightTest program;
  program.jet.x = 12;
  program.jet.y = 34;
  program.jetFrame = 7;
  program.lastFrame = 6;
  program.scrollSpeed = 2;
  EXPECT_EQ(flight_test::summary(program), " jet_x=12 jet_y=34 jet_frame=7 last_frame=6 scroll_speed=2 missiles=0");
}

}  // namespace
