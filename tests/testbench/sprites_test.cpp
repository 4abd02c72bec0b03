// Sprite records, the oriented copy, colour texts and field splitting.
#include <gtest/gtest.h>

#include <fstream>

#include "headless_fixture.h"
#include "platform/image.h"
#include "testbench/screen_and_clock.h"
#include "testbench/sprites.h"
#include "testbench/table.h"
#include "testbench/text_fields.h"

using namespace testbench;
using platform::Colour;
using platform::Image;

namespace {

constexpr Colour kA = 0xFF0000AAu;
constexpr Colour kB = 0xFF0000BBu;
constexpr Colour kC = 0xFF0000CCu;
constexpr Colour kKey = 0x00FF00FFu;          // set by the library: transparent
constexpr Colour kLoadedMagenta = 0xFFFF00FFu;  // from a file: an ordinary colour
constexpr Colour kBack = 0xFF123456u;

Image row(std::initializer_list<Colour> pixels) {
  Image image = platform::createImage(static_cast<int>(pixels.size()), 1, 0);
  int x = 0;
  for (const Colour c : pixels) platform::setPixel(image, x++, 0, c);
  return image;
}

std::vector<Colour> rowOf(const Image& image, int y, int x0, int count) {
  std::vector<Colour> out;
  for (int x = x0; x < x0 + count; ++x) out.push_back(platform::getPixel(image, x, y));
  return out;
}

}  // namespace

TEST(DrawImageOriented, EachOrientationPlacesThePixelsAsNamed) {
  Image source = platform::createImage(2, 2, 0);
  platform::setPixel(source, 0, 0, kA);
  platform::setPixel(source, 1, 0, kB);
  platform::setPixel(source, 0, 1, kC);
  platform::setPixel(source, 1, 1, kBack);
  Image target = platform::createImage(4, 4, 0);
  DrawImageOriented(target, 1, 1, 1, 1, source, kOrientMirrored, 0);
  EXPECT_EQ(rowOf(target, 1, 1, 2), (std::vector<Colour>{kB, kA}));
  DrawImageOriented(target, 1, 1, 1, 1, source, kOrientFlipped, 0);
  EXPECT_EQ(rowOf(target, 1, 1, 2), (std::vector<Colour>{kC, kBack}));
  DrawImageOriented(target, 1, 1, 1, 1, source, kOrientTurned, 0);
  EXPECT_EQ(rowOf(target, 1, 1, 2), (std::vector<Colour>{kBack, kC}));
  EXPECT_EQ(rowOf(target, 2, 1, 2), (std::vector<Colour>{kB, kA}));

  Image untouched = platform::createImage(4, 4, 0);
  DrawImageOriented(untouched, 0, 0, 1, 1, source, 4, 0);
  EXPECT_EQ(untouched.pixels, platform::createImage(4, 4, 0).pixels) << "unknown orientation draws nothing";
}

TEST(DrawImageOriented, OnlyAlphaZeroMagentaIsTransparent) {
  const Image source = row({kA, kKey, kLoadedMagenta});
  Image target = platform::createImage(3, 1, kBack);
  DrawImageOriented(target, 0, 0, 2, 0, source, kOrientMirrored, 1);
  EXPECT_EQ(rowOf(target, 0, 0, 3), (std::vector<Colour>{kLoadedMagenta, kBack, kA}));
  DrawImageOriented(target, 0, 0, 2, 0, source, kOrientNormal, 0);
  EXPECT_EQ(rowOf(target, 0, 0, 3), (std::vector<Colour>{kA, kKey, kLoadedMagenta}));
}

TEST(DrawImageOriented, ClipsToTheScreenAtXMinusTwoAndAtTheRightEdge) {
  const Image source = row({kA, kB, kC, kBack});
  Image target = platform::createImage(640, 480, 0);
  DrawImageOriented(target, -2, 0, 3, 0, source, kOrientNormal, 0);
  EXPECT_EQ(rowOf(target, 0, 0, 3), (std::vector<Colour>{kC, kBack, 0u}));

  // A destination bigger than the screen is still written only inside 640 x 480.
  Image wide = platform::createImage(700, 1, 0);
  DrawImageOriented(wide, 638, 0, 3, 0, source, kOrientNormal, 0);
  EXPECT_EQ(rowOf(wide, 0, 638, 4), (std::vector<Colour>{kA, kB, 0u, 0u}));
}

class SpriteFiles : public testbench_test::HeadlessTest {};

TEST_F(SpriteFiles, SpriteLoadSizesFromTheHeaderAndKeepsTheFileName) {
  Image picture = platform::createImage(3, 2, kA);
  platform::setPixel(picture, 2, 1, kLoadedMagenta);
  const std::string path = tempPath("three_by_two.bmp");
  ASSERT_TRUE(platform::saveBmp(picture, path));
  EXPECT_EQ(BmpWidth(path), 3);
  EXPECT_EQ(BmpHeight(path), 2);

  Sprite sprite;
  SpriteLoad(sprite, path);
  EXPECT_EQ(sprite.width, 3);
  EXPECT_EQ(sprite.height, 2);
  EXPECT_EQ(sprite.fileName, path);
  ASSERT_TRUE(sprite.image);
  EXPECT_EQ(sprite.image->width, 4) << "one spare column and row, cleared to 0";
  EXPECT_EQ(sprite.image->height, 3);
  EXPECT_EQ(platform::getPixel(*sprite.image, 2, 1), kLoadedMagenta);
  EXPECT_EQ(platform::getPixel(*sprite.image, 3, 2), 0u);

  Sprite mirrored;
  SpriteLoadOriented(mirrored, path, kOrientMirrored, 1);
  EXPECT_EQ(platform::getPixel(*mirrored.image, 0, 1), kLoadedMagenta);
  EXPECT_EQ(platform::getPixel(*mirrored.image, 2, 1), kA);
}

TEST_F(SpriteFiles, MissingOrShortFilesGiveZeroSizeAndAOnePixelImage) {
  Sprite missing;
  SpriteLoad(missing, tempPath("no_such.bmp"));
  EXPECT_EQ(missing.width, 0);
  EXPECT_EQ(missing.height, 0);
  ASSERT_TRUE(missing.image);
  EXPECT_EQ(missing.image->width, 1);
  EXPECT_EQ(missing.image->height, 1);

  const std::string shortFile = tempPath("short.bmp");
  std::ofstream(shortFile, std::ios::binary) << "BM0123456789012345678";  // ends inside the width
  EXPECT_EQ(BmpWidth(shortFile), 0);
  EXPECT_EQ(BmpHeight(shortFile), 0);
  Sprite broken;
  SpriteLoadOriented(broken, shortFile, kOrientTurned, 1);
  EXPECT_EQ(broken.image->width, 1);
}

TEST(ColourText, GivesDecimalComponentsEachFollowedByAComma) {
  EXPECT_EQ(ColourText(0xFF00FFu), "255,0,255,");
  EXPECT_EQ(ColourText(0xFFFFFFFFu), "255,255,255,");
  EXPECT_EQ(ColourText4(0x80010203u), "1,2,3,128,");
}

TEST(SplitFields, StoresOnlyFieldsEndedBySeparators) {
  auto fields = MakeTable<std::string>(100);
  EXPECT_EQ(SplitFields("12,34,56,", ",", fields), 3);
  EXPECT_EQ(fields[1], "12");
  EXPECT_EQ(fields[3], "56");
  fields[3] = "old";
  EXPECT_EQ(SplitFields("12,34,56", ",", fields), 2);
  EXPECT_EQ(fields[3], "old") << "later slots keep their contents";
  EXPECT_EQ(SplitFields(",,", ",", fields), 2);
  EXPECT_EQ(fields[1], "");
}

TEST(SplitFields, NeverWritesPastTheTable) {
  auto fields = MakeTable<std::string>(2);
  EXPECT_EQ(SplitFields("a,b,c,d,", ",", fields), 2);
  EXPECT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[2], "b");
}

class ScreenAndClock : public testbench_test::HeadlessTest {
 protected:
  ScreenAndClock() : HeadlessTest(0.001) {}
};

TEST_F(ScreenAndClock, WaitSecondsEndsOnlyOnceMoreThanTheTimeHasPassed) {
  const double start = platform::timer();
  WaitSeconds(0.01);
  const double after = platform::timer();
  EXPECT_GT(after - start, 0.01);
  EXPECT_LT(after - start, 0.015);
  const double before = platform::timer();
  WaitSeconds(0.0);
  EXPECT_LE(platform::timer() - before, 0.0035) << "0 returns at the first advance";
}
