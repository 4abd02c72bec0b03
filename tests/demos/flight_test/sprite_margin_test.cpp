// The one-pixel margin the library's loader adds below and right of every
// picture must never reach the screen: no black seam scrolling with the
// ground, no dark edge beside the jet, the clouds or the missiles. Checked
// with the flight test's own pictures from the run folder.
#include <algorithm>
#include <vector>

#include "platform/image.h"
#include "support/demo_fixture.h"
#include "testbench/missiles.h"
#include "testbench/table.h"
#include "demos/common/jet_flight.h"
#include "demos/common/sprite_files.h"
#include "demos/flight_test/flight_files.h"

namespace {

constexpr platform::Colour kMarker = 0xFF123456u;

class SpriteMargin : public demo_test::DemoTest {
 protected:
  void SetUp() override {
    DemoTest::SetUp();
    sprites = testbench::MakeTable<testbench::Sprite>(static_cast<std::int32_t>(flight_test::kSpriteFiles.size()));
    demo::loadSpriteFiles(sprites, flight_test::kSpriteFiles);
    page = platform::createImage(640, 480, kMarker);
  }
  const testbench::Sprite& slot(std::int32_t s) const { return demo::spriteAt(sprites, s); }

  // Pixels of the column right of and the row below a picture drawn at
  // (x, y) that are no longer the marker.
  int touchedBeside(int x, int y, const testbench::Sprite& sprite) const {
    int touched = 0;
    for (int dy = 0; dy <= sprite.height; ++dy) touched += platform::getPixel(page, x + sprite.width, y + dy) != kMarker;
    for (int dx = 0; dx < sprite.width; ++dx) touched += platform::getPixel(page, x + dx, y + sprite.height) != kMarker;
    return touched;
  }

  std::vector<testbench::Sprite> sprites;
  platform::Image page;
};

}  // namespace

TEST_F(SpriteMargin, TheLoadedImageIsOneLargerEachWayAndItsMarginIsTheKeyColour) {
  const testbench::Sprite& jet = slot(5);
  ASSERT_GT(jet.width, 0);
  ASSERT_EQ(jet.image->width, jet.width + 1);
  ASSERT_EQ(jet.image->height, jet.height + 1);
  for (int y = 0; y < jet.image->height; ++y) EXPECT_TRUE(platform::isMagenta(jet.image->row(y)[jet.width]));
  for (int x = 0; x < jet.image->width; ++x) EXPECT_TRUE(platform::isMagenta(jet.image->row(jet.height)[x]));
}

TEST_F(SpriteMargin, TheScrollingGroundShowsNoSeamBetweenItsTwoTiles) {
  const testbench::Sprite& ground = slot(flight_test::kGroundSlot);
  ASSERT_GT(ground.height, 1);
  const platform::Image& tile = *ground.image;
  for (const int groundY : {480 - ground.height, 300, 479 - 3}) {
    page = platform::createImage(640, 480, kMarker);
    demo::drawGround(page, ground, groundY);
    int wrong = 0;
    for (int y = std::max(0, groundY - ground.height); y < std::min(480, groundY + ground.height); ++y) {
      const int tileRow = (y - groundY + ground.height) % ground.height;
      for (int x = 0; x < std::min(640, ground.width); ++x) wrong += page.row(y)[x] != tile.row(tileRow)[x];
    }
    EXPECT_EQ(wrong, 0) << "the upper tile's bottom must join the lower tile's top, ground at y " << groundY;
  }
}

TEST_F(SpriteMargin, TheJetAndTheCloudsLeaveNoEdgeBesideThem) {
  for (const std::int32_t s : {std::int32_t{5}, std::int32_t{13}, flight_test::kCloudSlot, flight_test::kEnemySlot}) {
    page = platform::createImage(640, 480, kMarker);
    demo::drawSprite(page, 200, 150, slot(s), platform::DrawMode::Transparent);
    EXPECT_EQ(touchedBeside(200, 150, slot(s)), 0) << "slot " << s;
  }
  // Translucent clouds are blended, and the margin must not darken the ground either.
  demo::drawSprite(page, 300, 200, slot(flight_test::kCloudSlot), platform::DrawMode::Blend, 160);
  EXPECT_EQ(touchedBeside(300, 200, slot(flight_test::kCloudSlot)), 0);
}

TEST_F(SpriteMargin, MissilesDrawnWholeByTheLibraryLeaveNoEdgeEither) {
  // The missile update draws each record's whole image: only the key colour
  // in the margin keeps it off the page.
  auto missiles = demo::makeMissileTable(slot(flight_test::kMissileSlot));
  testbench::Missile& m = missiles[1];
  m.inUse = "Y";
  m.state = "S";
  m.x = 100;
  m.y = 200;
  testbench::UpdateMissiles(missiles, page);
  EXPECT_EQ(touchedBeside(m.x, m.y, slot(flight_test::kMissileSlot)), 0);
}
