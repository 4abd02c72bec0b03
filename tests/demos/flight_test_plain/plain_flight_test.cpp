// The plain flight scene's loop on the headless backend.
#include "platform/key_codes.h"
#include "support/demo_fixture.h"
#include "testbench/sprites.h"
#include "demos/flight_test_plain/plain_flight.h"

namespace {

namespace key = platform::key;
using flight_test_plain::PlainFlight;

class PlainFlightLoop : public demo_test::DemoTest {
 protected:
  void SetUp() override {
    DemoTest::SetUp();
    flight_test_plain::startUp(program);
  }
  void TearDown() override {
    flight_test_plain::shutDown(program);
    DemoTest::TearDown();
  }
  void passes(int n, double step) {
    for (int i = 0; i < n; ++i) {
      advance(step);
      ASSERT_TRUE(flight_test_plain::runFrame(program));
    }
  }

  PlainFlight program;
};

TEST_F(PlainFlightLoop, CloudsSixToTenAreSetUpOnceAndNeverMove) {
  const auto before = program.clouds;
  for (int i = 6; i <= 10; ++i) EXPECT_LT(before.y[static_cast<std::size_t>(i)], 0) << "cloud " << i << " set up";
  passes(300, 1.0 / 64.0);
  for (int i = 6; i <= 10; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    EXPECT_EQ(program.clouds.x[slot], before.x[slot]);
    EXPECT_EQ(program.clouds.y[slot], before.y[slot]);
  }
  EXPECT_NE(program.clouds.y, before.y);  // the first five drift
  EXPECT_EQ(program.clouds.y[11], 0);     // and the rest were never set up
}

TEST_F(PlainFlightLoop, AHeldArrowMovesAtMostOnePixelPerMillisecond) {
  press(key::Right);
  passes(25, 0.0004);  // 10 ms in passes shorter than the move step
  const int moved = program.jet.x - 320;
  EXPECT_GE(moved, 8);
  EXPECT_LE(moved, 10);
  passes(10, 0.01);  // passes longer than the step: one pixel each
  EXPECT_EQ(program.jet.x - 320, moved + 10);
}

TEST_F(PlainFlightLoop, TheJetStopsAtTheEdgesPlaneOneLeaves) {
  const int width = testbench::BmpWidth("Plane1.BMP");
  press(key::Right);
  passes(400, 0.01);
  EXPECT_EQ(program.jet.x, 639 - width);
  release(key::Right);
  press(key::Left);
  press(key::Up);
  passes(700, 0.01);
  EXPECT_EQ(program.jet.x, 10);
  EXPECT_EQ(program.jet.y, 10);
}

TEST_F(PlainFlightLoop, TheGroundMovesThreePixelsAStepAndWrapsAboveItsTile) {
  const int tile = program.sprites[3].height;
  ASSERT_GE(tile, 480);
  const int start = program.groundY;
  passes(1, 0.01);
  EXPECT_EQ(program.groundY, start + 3);
  program.groundY = 477;
  passes(1, 0.01);
  EXPECT_EQ(program.groundY, 477 - tile);
}

TEST_F(PlainFlightLoop, TheStillJetIsDrawnAndFiresPairsOnRelease) {
  press(key::A);
  passes(5, 0.01);
  release(key::A);
  passes(1, 0.01);
  EXPECT_EQ(demo::countFlyingMissiles(program.missiles), 2);
  // The jet's own picture sits at its position on the page.
  const auto& jet = *program.sprites[1].image;
  const platform::Colour canopy = jet.row(20)[30];
  ASSERT_FALSE(platform::isMagenta(canopy));
  EXPECT_EQ(program.page.row(program.jet.y + 20)[program.jet.x + 30] & 0xFFFFFFu, canopy & 0xFFFFFFu);
}

}  // namespace
