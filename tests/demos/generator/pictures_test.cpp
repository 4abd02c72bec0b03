// The generated pictures: transparent backgrounds, ground tiles that wrap,
// jet frames that bank the way their slots say, and grids that refuse
// mistakes.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "platform/image.h"
#include "demos/generator/aircraft_art.h"
#include "gen_kit/bmp24.h"
#include "gen_kit/pixel_grid.h"
#include "demos/generator/demo_files.h"
#include "demos/generator/ground_art.h"

namespace {

int channelDifference(platform::Colour a, platform::Colour b) {
  int sum = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    sum += std::abs(static_cast<int>((a >> shift) & 0xFFu) - static_cast<int>((b >> shift) & 0xFFu));
  }
  return sum;
}

double rowDifference(const platform::Image& image, int a, int b) {
  double sum = 0.0;
  for (int x = 0; x < image.width; ++x) sum += channelDifference(image.row(a)[x], image.row(b)[x]);
  return sum / image.width;
}

TEST(GroundTiles, WrapVerticallyWithoutASeam) {
  for (const platform::Image& tile : {demo_gen::fieldsTile(), demo_gen::riverTile()}) {
    ASSERT_EQ(tile.width, 640);
    ASSERT_GE(tile.height, 480);
    // The bottom row meets the top one no harder than neighbouring rows meet.
    double neighbours = 0.0;
    for (int y = 0; y + 1 < tile.height; ++y) neighbours += rowDifference(tile, y, y + 1);
    neighbours /= tile.height - 1;
    EXPECT_LT(rowDifference(tile, tile.height - 1, 0), 1.5 * neighbours);
    // A picture of country, not one flat colour.
    EXPECT_GT(neighbours, 5.0);
  }
}

// How far the jet's silhouette reaches left and right of its centre line.
struct Reach {
  int left;
  int right;
};

Reach reachOf(const platform::Image& image) {
  Reach r{0, 0};
  const int centre = image.width / 2;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (platform::isMagenta(image.row(y)[x])) continue;
      r.left = std::max(r.left, centre - x);
      r.right = std::max(r.right, x - centre + 1);
    }
  }
  return r;
}

TEST(JetFrames, LevelIsSymmetricAndBanksDipTheWingOfTheTurn) {
  const Reach level = reachOf(demo_gen::jetPicture(0, demo_gen::Flame::Short));
  EXPECT_LE(std::abs(level.left - level.right), 1);
  int previousLean = 0;
  int firstLean = 0;
  for (const int degrees : {14, 28, 42, 56}) {
    const Reach right = reachOf(demo_gen::jetPicture(degrees, demo_gen::Flame::Short));
    const Reach left = reachOf(demo_gen::jetPicture(-degrees, demo_gen::Flame::Short));
    // The dipping wing is farther from the eye and looks shorter; at the
    // steepest banks whole pixels may no longer tell two frames apart.
    const int lean = right.left - right.right;
    EXPECT_GT(lean, 0) << degrees << " degrees";
    EXPECT_GE(lean, previousLean) << degrees << " degrees banks at least as far as the frame before";
    EXPECT_EQ(left.right - left.left, lean) << "left banks mirror right banks";
    if (firstLean == 0) firstLean = lean;
    previousLean = lean;
  }
  EXPECT_GT(previousLean, firstLean) << "the steepest bank leans further than the first";
}

TEST(JetFrames, TheTwoLevelPicturesDifferOnlyInTheFlame) {
  const platform::Image shortFlame = demo_gen::jetPicture(0, demo_gen::Flame::Short);
  const platform::Image longFlame = demo_gen::jetPicture(0, demo_gen::Flame::Long);
  int differing = 0;
  int lowestDifferingRow = shortFlame.height;
  for (int y = 0; y < shortFlame.height; ++y) {
    for (int x = 0; x < shortFlame.width; ++x) {
      if (shortFlame.row(y)[x] == longFlame.row(y)[x]) continue;
      ++differing;
      lowestDifferingRow = std::min(lowestDifferingRow, y);
    }
  }
  EXPECT_GT(differing, 3);
  EXPECT_GT(lowestDifferingRow, shortFlame.height * 3 / 4);  // only at the tail
}

TEST(DemoPictures, EverySpriteHasAMagentaBackgroundAndAPicture) {
  for (const demo_gen::GeneratedFile& file : demo_gen::generatedFiles()) {
    const std::string_view name = file.name;
    if (name.size() < 4 || name.substr(name.size() - 4) != ".BMP" || name.rfind("Oakst", 0) == 0) continue;
    const std::vector<std::uint8_t> bytes = file.make();
    platform::Image image = platform::createImage(256, 256, 0);
    ASSERT_TRUE(platform::decodeBmp(image, bytes.data(), bytes.size())) << name;
    const int width = static_cast<int>(bytes[18] | bytes[19] << 8);
    const int height = static_cast<int>(bytes[22] | bytes[23] << 8);
    int key = 0;
    int drawn = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) (platform::isMagenta(image.row(y)[x]) ? key : drawn) += 1;
    }
    // The key at the top-left, and mostly key around the edge: a picture
    // that touches its border here and there (a foot, a wing tip) is fine.
    EXPECT_TRUE(platform::isMagenta(image.row(0)[0])) << name;
    int edge = 0;
    int edgeKey = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (x != 0 && y != 0 && x != width - 1 && y != height - 1) continue;
        ++edge;
        edgeKey += platform::isMagenta(image.row(y)[x]) ? 1 : 0;
      }
    }
    EXPECT_GT(edgeKey * 2, edge) << name << " is " << width << "x" << height;
    EXPECT_GT(drawn, width * height / 8) << name;
    // Drawn colours never fall on the key by accident.
    EXPECT_GT(key, 0) << name;
  }
}

TEST(DemoPictures, AreTheSameBytesOnEveryRun) {
  for (const demo_gen::GeneratedFile& file : demo_gen::generatedFiles()) {
    if (file.name != "Cloud1.BMP" && file.name != "E2.BMP") continue;
    EXPECT_EQ(file.make(), file.make()) << file.name;
  }
}

TEST(PixelGrids, RefuseRaggedRowsAndUnknownKeys) {
  constexpr std::array<gen_kit::PaletteEntry, 1> palette{{{'a', 0x123456}}};
  constexpr std::array<std::string_view, 2> good{{".a", "a."}};
  constexpr std::array<std::string_view, 2> ragged{{".a", "a"}};
  constexpr std::array<std::string_view, 1> unknown{{".b"}};
  const platform::Image image = gen_kit::toImage(gen_kit::canvasFromGrid(good, palette));
  ASSERT_EQ(image.width, 2);
  EXPECT_TRUE(platform::isMagenta(image.row(0)[0]));
  EXPECT_EQ(image.row(0)[1], 0xFF123456u);
  EXPECT_EQ(gen_kit::toImage(gen_kit::canvasFromGrid(ragged, palette)).width, 0);
  EXPECT_EQ(gen_kit::toImage(gen_kit::canvasFromGrid(unknown, palette)).width, 0);
}

TEST(BmpOutput, RowsArePaddedAndStoredBottomUp) {
  platform::Image image = platform::createImage(3, 2, 0xFF000000u);
  image.row(0)[0] = 0xFF112233u;  // top-left
  const std::vector<std::uint8_t> bytes = gen_kit::encodeBmp24(image);
  ASSERT_EQ(bytes.size(), 54u + 2u * 12u);  // 9 bytes a row padded to 12
  const std::size_t topRow = 54 + 12;       // the second row stored
  EXPECT_EQ(bytes[topRow], 0x33);
  EXPECT_EQ(bytes[topRow + 1], 0x22);
  EXPECT_EQ(bytes[topRow + 2], 0x11);
  platform::Image back = platform::createImage(3, 2, 0);
  ASSERT_TRUE(platform::decodeBmp(back, bytes.data(), bytes.size()));
  EXPECT_EQ(back.row(0)[0], 0xFF112233u);
}

}  // namespace
