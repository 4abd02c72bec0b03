// Paired missiles: launch, climb, leaving the screen, drawing.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recording_media.h"
#include "testbench/missiles.h"
#include "testbench/sound_channels.h"
#include "testbench/table.h"

using namespace testbench;

namespace {

constexpr platform::Colour kShot = 0xFFEE0000u;

class Missiles : public testbench_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    SoundInit();
    target = platform::createImage(640, 480, 0);
    picture = std::make_shared<platform::Image>(platform::createImage(4, 8, kShot));
    missiles = MakeTable<Missile>(3);
    for (std::size_t i = 1; i < missiles.size(); ++i) {
      Missile& m = missiles[i];
      m.launchSound = "Missile2.mp3";
      m.width = 4;
      m.height = 8;
      m.image = picture;
      m.step = 2;
    }
  }

  void requestLaunch(Missile& m, std::int32_t x, std::int32_t y) {
    m.inUse = "Y";
    m.state = "NEW";
    m.x = x;
    m.y = y;
  }

  testbench_test::RecordingMedia media;
  platform::Image target;
  ImageHandle picture;
  std::vector<Missile> missiles;
};

}  // namespace

TEST(CentreText, HalvesAreFlooredAndEachEndsInAComma) {
  EXPECT_EQ(CentreText(10, 20, 5, 7), "12,23,");
  EXPECT_EQ(CentreText(0, 0, -3, 0), "-2,0,");
}

TEST_F(Missiles, ALaunchFliesALevelPairThirtyPixelsEitherSideOfTheCentre) {
  requestLaunch(missiles[1], 320, 400);  // centre (322, 404)
  headless().advanceClock(1.5);
  UpdateMissiles(missiles, target);
  EXPECT_EQ(missiles[1].state, "S");
  EXPECT_EQ(missiles[1].x, 292);
  EXPECT_EQ(missiles[1].y, 394) << "placed at cy - height, then one step up in the same pass";
  EXPECT_EQ(missiles[2].inUse, "Y");
  EXPECT_EQ(missiles[2].state, "S");
  EXPECT_EQ(missiles[2].x, 352);
  EXPECT_EQ(missiles[2].y, 394) << "the pair flies level";
  EXPECT_EQ(missiles[3].inUse, "N");
  EXPECT_DOUBLE_EQ(missiles[3].lastStepTime, 1.5) << "every record's step time is renewed";
  EXPECT_EQ(media.commands.at(0), "open \"Missile2.mp3\" shareable alias 1");
  EXPECT_NE(platform::getPixel(target, 292, 394), 0u);
  EXPECT_NE(platform::getPixel(target, 352, 394), 0u);

  UpdateMissiles(missiles, target);
  EXPECT_EQ(missiles[1].y, 392);
  EXPECT_EQ(missiles[2].y, 392);
}

TEST_F(Missiles, ARightMissileInARecordFreedEarlierInThePassStillFliesLevel) {
  Missile& leaving = missiles[1];
  leaving.inUse = "Y";
  leaving.state = "S";
  leaving.y = -8;  // freed by this pass's step: y + height = -2
  requestLaunch(missiles[2], 320, 400);
  UpdateMissiles(missiles, target);
  EXPECT_EQ(missiles[1].state, "S") << "the freed record carries the right missile";
  EXPECT_EQ(missiles[1].x, 352);
  EXPECT_EQ(missiles[2].x, 292);
  EXPECT_EQ(missiles[1].y, 394);
  EXPECT_EQ(missiles[2].y, 394);
  EXPECT_EQ(missiles[3].inUse, "N");
}

TEST_F(Missiles, WithEveryRecordInUseOnlyTheLeftMissileFlies) {
  missiles[2].inUse = "Y";
  missiles[2].state = "S";
  missiles[2].y = 300;
  missiles[3].inUse = "Y";
  missiles[3].state = "S";
  missiles[3].y = 300;
  requestLaunch(missiles[1], 100, 100);
  UpdateMissiles(missiles, target);
  EXPECT_EQ(missiles[1].x, 72);
  EXPECT_EQ(missiles[2].y, 298) << "the others just climb";
  EXPECT_EQ(missiles[3].y, 298);
}

TEST_F(Missiles, AMissileIsFreedOnlyOnceItsBottomEdgeIsAboveTheScreen) {
  Missile& m = missiles[1];
  m.inUse = "Y";
  m.state = "S";
  m.y = -6;  // after the step of 2: y + height = 0
  UpdateMissiles(missiles, target);
  EXPECT_EQ(m.inUse, "Y");
  EXPECT_EQ(m.state, "S");
  UpdateMissiles(missiles, target);  // y + height = -2
  EXPECT_EQ(m.inUse, "N");
  EXPECT_EQ(m.state, "");
}

