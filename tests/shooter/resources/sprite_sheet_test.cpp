// The sprite font, the collision mask and the animation records.
#include <gtest/gtest.h>

#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/run_options.h"
#include "shooter/resources/sprite_sheet.h"

namespace shooter {

class SpriteFont : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(platform::initPlatform(std::make_unique<platform::HeadlessBackend>(), platform::RunOptions{}).has_value());
    platform::openScreen(640, 480, 2, false);
    spriteSheet = platform::createImage(kSheetWidth, kSheetHeight);
    initGlyphs();
  }
  void TearDown() override { platform::shutdownPlatform(); }
  static void paintGlyph(char c, platform::Colour colour) {
    const SpriteRect& r = glyphTable[static_cast<unsigned char>(c)];
    platform::fillBox(spriteSheet, r.x1, r.y1, r.x2, r.y2, colour);
  }
};

TEST_F(SpriteFont, GlyphsAdvanceByTheirWidth) {
  EXPECT_EQ(textWidth("A"), 12);
  EXPECT_EQ(textWidth("A.B"), 12 + 5 + 12);
  EXPECT_EQ(textWidth("abc"), 3) << "unset glyphs advance one pixel";
  EXPECT_EQ(textWidth(std::string(300, 'A')), 255 * 12) << "only the first 255 characters";
  EXPECT_EQ(textWidth(std::string("A\xFF" "A")), 24) << "character 255 is skipped";
}

TEST_F(SpriteFont, DrawTextPutsTheSecondLetterAfterTheFirst) {
  paintGlyph('A', 0xFF0000FFu);
  paintGlyph('B', 0xFFFF0000u);
  drawText(10, 100, "AB");
  const platform::Image& page = platform::workPage();
  EXPECT_EQ(platform::getPixel(page, 21, 100), 0x000000FFu) << "A spans 10..21, drawn transparent";
  EXPECT_EQ(platform::getPixel(page, 22, 100), 0x00FF0000u) << "B starts at 22";
  EXPECT_EQ(platform::getPixel(page, 10, 113), platform::kBlack) << "glyphs are 13 rows tall";
}

TEST_F(SpriteFont, UnsetGlyphsDrawTheMagentaCornerAndNothingShows) {
  drawText(50, 50, "abc");
  for (int x = 48; x < 56; ++x) EXPECT_EQ(platform::getPixel(platform::workPage(), x, 50), platform::kBlack);
}

TEST(CollisionMask, SolidWhereverTheSheetIsNotOpaqueMagenta) {
  spriteSheet = platform::createImage(kSheetWidth, kSheetHeight);
  platform::setPixel(spriteSheet, 5, 700, 0xFF102030u);
  platform::setPixel(spriteSheet, 6, 700, 0x00FF00FFu);  // magenta with alpha 0 counts as solid
  buildCollisionMask();
  EXPECT_TRUE(maskSolid(5, 700));
  EXPECT_EQ(collisionMask[5 * 768 + 700], 1) << "column-major";
  EXPECT_TRUE(maskSolid(6, 700));
  EXPECT_FALSE(maskSolid(7, 700));
  EXPECT_FALSE(maskSolid(-1, 0));
  EXPECT_FALSE(maskSolid(1024, 0));
  EXPECT_FALSE(maskSolid(0, 768));
}

class Animations : public ::testing::Test {
 protected:
  void SetUp() override { animTable.fill({}); }
};

TEST_F(Animations, RecordsStoreCornersInTheirOwnOrder) {
  parseAnimations("header\r\n1,2,10,20,30,40,50,60,70,80,15,32,30\r\n");
  const AnimRow& row = animTable[1];
  EXPECT_EQ(row.frameCount, 2);
  EXPECT_EQ(row.frames[1].x1, 10);
  EXPECT_EQ(row.frames[1].y1, 20);
  EXPECT_EQ(row.frames[1].x2, 30);
  EXPECT_EQ(row.frames[1].y2, 40);
  EXPECT_EQ(row.frames[2].x2, 70);
  EXPECT_EQ(row.value, 15);
  EXPECT_EQ(row.width, 32);
  EXPECT_EQ(row.height, 30);
  EXPECT_EQ(animTable[2].frameCount, 0) << "rows not named stay zero";
}

TEST_F(Animations, ExtraFramesAreReadAndDroppedAndTheNextRecordStillReads) {
  std::string text = "h\n5,9";
  for (int i = 1; i <= 9; ++i) text += "," + std::to_string(i) + ",0," + std::to_string(i) + ",0";
  text += ",100,8,8\n6,1,1,2,3,4,7,16,16\n";
  parseAnimations(text);
  EXPECT_EQ(animTable[5].frameCount, 7);
  EXPECT_EQ(animTable[5].frames[7].x1, 7);
  EXPECT_EQ(animTable[5].value, 100);
  EXPECT_EQ(animTable[6].value, 7);
}

TEST_F(Animations, BadRecordsNeverReachOutsideTheTable) {
  parseAnimations("h\n300,1,1,1,1,1,5,5,5\n-4,1,1,1,1,1,5,5,5\n7,-3,9,9,9\n8,1,x,y,z,w,q,r,s\n");
  for (const auto& row : animTable) EXPECT_LE(row.frameCount, kMaxFrames);
  EXPECT_EQ(animTable[7].frameCount, 0);
  parseAnimations("h\n9,2000000000,1,2,3\n");  // a huge count stops at the end of the text
  EXPECT_EQ(animTable[9].frameCount, kMaxFrames);
  parseAnimations("");
  parseAnimations(std::string(1000, '\0'));
  EXPECT_EQ(frameCountOf(200), 1) << "a code with no frames counts as one";
  EXPECT_EQ(&animFrame(1, 0), &animTable[1].frames[1]);
  EXPECT_EQ(&animFrame(1, 200), &animTable[1].frames[1]);
}

TEST_F(Animations, ThePlayerRecordIsSetByTheProgram) {
  const std::string path = ::testing::TempDir() + "anim.dat";
  { std::FILE* f = std::fopen(path.c_str(), "wb"); std::fputs("h\n90,1,0,0,9,9,1,2,3\n", f); std::fclose(f); }
  loadAnimations(path);
  EXPECT_EQ(animTable[kPlayerAnim].frameCount, 2);
  EXPECT_EQ(animTable[kPlayerAnim].frames[1].x1, 301);
  EXPECT_EQ(animTable[kPlayerAnim].width, 64);
  EXPECT_EQ(animTable[kPlayerAnim].height, 50);
  loadAnimations("/nonexistent/anim.dat");
  EXPECT_EQ(animTable[kPlayerAnim].frameCount, 2);
}

}  // namespace shooter
