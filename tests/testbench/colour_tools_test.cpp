// The colour tools: colour lists, recolouring, shades and palette sheets.
#include <gtest/gtest.h>

#include <fstream>

#include "headless_fixture.h"
#include "platform/text_file.h"
#include "testbench/colour_tools.h"
#include "testbench/table.h"

using namespace testbench;
using platform::Colour;
using platform::Image;

namespace {

constexpr Colour kKey = 0x00FF00FFu;
constexpr Colour kRed = 0xFFFF0000u;
constexpr Colour kBlue = 0xFF0000FFu;
constexpr Colour kGrey = 0xFF808080u;

class ColourTools : public testbench_test::HeadlessTest {
 protected:
  // Row 0: red, key, blue; row 1: grey, red, red.
  static Image threeColours() {
    Image image = platform::createImage(3, 2, kRed);
    platform::setPixel(image, 1, 0, kKey);
    platform::setPixel(image, 2, 0, kBlue);
    platform::setPixel(image, 0, 1, kGrey);
    return image;
  }
  std::string writeText(const std::string& name, const std::string& text) {
    const std::string path = tempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
};

}  // namespace

TEST_F(ColourTools, ColoursAreListedInFirstSeenOrderWithoutTheKey) {
  const Image image = threeColours();
  auto colours = MakeTable<std::string>(10);
  EXPECT_EQ(CollectImageColours(3, 2, image, colours), 3);
  EXPECT_EQ(colours[1], "255,0,0,");
  EXPECT_EQ(colours[2], "0,0,255,");
  EXPECT_EQ(colours[3], "128,128,128,");
  EXPECT_EQ(CountImageColours(3, 2, image), 3);
  EXPECT_EQ(CountImageColours(3, 1, image), 2) << "only the rows asked for";
  EXPECT_EQ(CountImageColours(50, 50, image), 3) << "nothing past the image is read";

  auto small = MakeTable<std::string>(2);
  EXPECT_EQ(CollectImageColours(3, 2, image, small), 2);
  EXPECT_EQ(small.size(), 3u) << "a short list is filled, never overrun";
}

TEST_F(ColourTools, AllKeyImageHasNoColoursButLoadedMagentaHasOne) {
  const Image keyed = platform::createImage(4, 4, kKey);
  EXPECT_EQ(CountImageColours(4, 4, keyed), 0);
  const std::string empty = tempPath("no_colours.txt");
  SaveImageColours(4, 4, keyed, empty);
  EXPECT_EQ(platform::readWholeFile(empty).value_or("<missing>"), "");

  const std::string bmp = tempPath("magenta.bmp");
  ASSERT_TRUE(platform::saveBmp(platform::createImage(4, 4, 0xFFFF00FFu), bmp));
  Sprite sprite;
  SpriteLoad(sprite, bmp);
  const std::string saved = tempPath("magenta_colours.txt");
  SaveImageColours(sprite.width, sprite.height, *sprite.image, saved);
  EXPECT_EQ(platform::readWholeFile(saved).value_or(""), "255,0,255,\r\n");
}

TEST_F(ColourTools, LoadLinesFillsFromSlotOneAndStopsAtTheTableEnd) {
  const std::string file = writeText("lines.txt", "1,2,3,\r\nNULL\r\n7,8,9,\r\n");
  auto lines = MakeTable<std::string>(2);
  EXPECT_EQ(LoadLines(file, lines), 2);
  EXPECT_EQ(lines[1], "1,2,3,");
  EXPECT_EQ(lines[2], "NULL");
  EXPECT_EQ(lines.size(), 3u);

  auto one = MakeTable<std::string>(3);
  one[1] = "old";
  EXPECT_EQ(LoadLines(writeText("empty.txt", ""), one), 1) << "one line is always read";
  EXPECT_EQ(one[1], "");
}

TEST_F(ColourTools, RecolourReplacesTheKthColourAndLeavesTheKey) {
  Image image = threeColours();
  auto replacements = MakeTable<std::string>(3);
  replacements[1] = "1,2,3,";
  replacements[2] = "4,5,6,";
  replacements[3] = "7,8,9,";
  RecolourImage(3, 2, image, 2, replacements);
  EXPECT_EQ(platform::getPixel(image, 0, 0), 0x00010203u);
  EXPECT_EQ(platform::getPixel(image, 2, 1), 0x00010203u);
  EXPECT_EQ(platform::getPixel(image, 2, 0), 0x00040506u);
  EXPECT_EQ(platform::getPixel(image, 1, 0), kKey);
  EXPECT_EQ(platform::getPixel(image, 0, 1), kGrey) << "colour 3 is past the count of 2";

  Image again = threeColours();
  auto shortTable = MakeTable<std::string>(1);
  shortTable[1] = "9,9,9,";
  RecolourImage(3, 2, again, 3, shortTable);
  EXPECT_EQ(platform::getPixel(again, 2, 0), kBlue) << "no replacement past the table's end";
}

TEST_F(ColourTools, DarkenAndLightenStepByFourWithinRange) {
  Image dark = platform::createImage(1, 1, 0xFF0264FFu);  // 2,100,255
  DarkenImage(1, 1, dark, 1);
  EXPECT_EQ(platform::getPixel(dark, 0, 0), 0x000060FBu);  // 0,96,251
  Image light = platform::createImage(1, 1, 0xFF0264FFu);
  LightenImage(1, 1, light, 1);
  EXPECT_EQ(platform::getPixel(light, 0, 0), 0x000668FFu);  // 6,104,255
}

TEST_F(ColourTools, PaletteSheetPlacesThe29thAnd30thSwatchesThenWraps) {
  std::string lines;
  for (int k = 1; k <= 31; ++k) lines += std::to_string(k) + ",0,0,\r\n";
  const std::string colours = writeText("sheet_colours.txt", lines);
  Image sheet = platform::createImage(640, 480, 0);
  const std::string out = tempPath("sheet.bmp");
  DrawPaletteSheet(sheet, colours, out);
  EXPECT_EQ(platform::getPixel(sheet, 0, 10), 0x00010000u);
  EXPECT_EQ(platform::getPixel(sheet, 616, 29), 0x001D0000u) << "29th at x = 616";
  EXPECT_EQ(platform::getPixel(sheet, 639, 10), 0x001E0000u) << "30th at x = 638";
  EXPECT_EQ(platform::getPixel(sheet, 0, 32), 0x001F0000u) << "31st starts the next row";
  EXPECT_EQ(platform::getPixel(sheet, 20, 10), 0u) << "two-pixel gaps";
  Image loaded = platform::createImage(640, 480, 0);
  ASSERT_TRUE(platform::loadBmp(loaded, out));
  EXPECT_EQ(loaded.pixels, sheet.pixels);
}

TEST_F(ColourTools, LabelledSheetPutsFourLabelledSwatchesToARow) {
  std::string lines;
  for (int k = 1; k <= 5; ++k) lines += "0,0," + std::to_string(k * 10) + ",\r\n";
  Image sheet = platform::createImage(640, 480, 0xFF808080u);
  DrawLabelledPaletteSheet(sheet, writeText("labelled.txt", lines), tempPath("labelled.bmp"));
  EXPECT_EQ(platform::getPixel(sheet, 480, 10), 0x00000028u);
  EXPECT_EQ(platform::getPixel(sheet, 0, 32), 0x00000032u);
  int labelPixels = 0;
  for (int y = 16; y < 24; ++y) {
    for (int x = 24; x < 160; ++x) labelPixels += platform::getPixel(sheet, x, y) == 0x00FFFFFFu;
  }
  EXPECT_GT(labelPixels, 20);
  EXPECT_TRUE(platform::fileExists(tempPath("labelled.bmp")));
}

TEST_F(ColourTools, MaskAndSaveWorkOnTheScreen) {
  platform::Image& screen = platform::workPage();
  platform::fillBox(screen, 0, 0, 639, 479, kGrey);
  platform::setPixel(screen, 5, 5, kRed);
  platform::setPixel(screen, 600, 400, kRed);
  MaskScreenColour(5, 5);
  EXPECT_EQ(platform::getPixel(screen, 600, 400), kKey);
  EXPECT_EQ(platform::getPixel(screen, 6, 5), kGrey);
  const std::string out = tempPath("screen.bmp");
  SaveScreen(out);
  Image loaded = platform::createImage(640, 480, 0);
  ASSERT_TRUE(platform::loadBmp(loaded, out));
  EXPECT_EQ(platform::getPixel(loaded, 600, 400), kKey);
}

TEST_F(ColourTools, ColourFileSpriteKeepsNullAndMissingEntries) {
  Image picture = platform::createImage(2, 2, kRed);  // first seen: red, blue, grey
  platform::setPixel(picture, 1, 0, kBlue);
  platform::setPixel(picture, 0, 1, kGrey);
  const std::string bmp = tempPath("recolour_me.bmp");
  ASSERT_TRUE(platform::saveBmp(picture, bmp));
  Sprite sprite;
  SpriteLoadWithColours(sprite, bmp, writeText("recolour.txt", "NULL\r\n10,20,30,\r\n"));
  EXPECT_EQ(platform::getPixel(*sprite.image, 0, 0), kRed) << "NULL keeps the pixel as loaded";
  EXPECT_EQ(platform::getPixel(*sprite.image, 1, 0), 0x000A141Eu);
  EXPECT_EQ(platform::getPixel(*sprite.image, 0, 1), kGrey) << "no line for colour 3";
  EXPECT_EQ(platform::getPixel(*sprite.image, 2, 2), 0u) << "the spare column and row are not recoloured";
}
