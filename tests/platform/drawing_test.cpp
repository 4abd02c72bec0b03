// The three drawing modes, clipping and the box, line and fill primitives.
#include <gtest/gtest.h>

#include "platform/image.h"

using namespace platform;

namespace {

Image gradient(int w, int h) {
  Image img = createImage(w, h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.row(y)[x] = 0xFF000000u | static_cast<Colour>((x * 16) << 8 | (y * 16));
  return img;
}

}  // namespace

TEST(DrawImage, OpaqueCopiesInclusiveRectangleAsIs) {
  Image src = gradient(8, 8);
  src.row(1)[1] = 0x12FF00FFu;  // magenta is copied too in opaque mode
  Image dst = createImage(10, 10, kBlack);
  drawImage(dst, 3, 4, src, 1, 1, 2, 3, DrawMode::Opaque);
  EXPECT_EQ(getPixel(dst, 3, 4), 0x12FF00FFu);
  EXPECT_EQ(getPixel(dst, 4, 6), src.row(3)[2]);
  EXPECT_EQ(getPixel(dst, 5, 4), kBlack) << "x2 is inclusive: 2 columns only";
  EXPECT_EQ(getPixel(dst, 3, 7), kBlack) << "y2 is inclusive: 3 rows only";
}

TEST(DrawImage, TransparentSkipsMagentaOfAnyAlphaAndClearsAlpha) {
  Image src = createImage(3, 1, 0);
  src.row(0)[0] = 0xFFFF00FFu;
  src.row(0)[1] = 0x00FF00FFu;
  src.row(0)[2] = 0xFF123456u;
  Image dst = createImage(3, 1, 0xFFAAAAAAu);
  drawImage(dst, 0, 0, src, DrawMode::Transparent);
  EXPECT_EQ(getPixel(dst, 0, 0), 0xFFAAAAAAu);
  EXPECT_EQ(getPixel(dst, 1, 0), 0xFFAAAAAAu);
  EXPECT_EQ(getPixel(dst, 2, 0), 0x00123456u);
}

TEST(DrawImage, BlendMixesEachChannelByConstantOpacity) {
  Image src = createImage(2, 1, 0xFFC86400u);
  src.row(0)[1] = kOpaqueMagenta;
  Image dst = createImage(2, 1, 0xFF0032C8u);
  drawImage(dst, 0, 0, src, DrawMode::Blend, 127);
  // dst + (src - dst) * 128 / 256 per channel, truncated toward zero.
  const Colour expected = 0xFF000000u | ((0 + (200 * 128) / 256) << 16) | ((50 + (50 * 128) / 256) << 8) |
                          static_cast<Colour>(200 + (-200 * 128) / 256);
  EXPECT_EQ(getPixel(dst, 0, 0), expected);
  EXPECT_EQ(getPixel(dst, 1, 0), 0xFF0032C8u) << "magenta is skipped";
  Image full = createImage(1, 1, 0xFF000000u);
  drawImage(full, 0, 0, createImage(1, 1, 0xFF10FF20u), DrawMode::Blend, 255);
  EXPECT_EQ(getPixel(full, 0, 0), 0xFF10FF20u) << "opacity 255 reaches the source exactly";
}

TEST(DrawImage, ClipsAtEveryEdgeAndNeverWritesOutside) {
  Image src = gradient(8, 8);
  Image dst = createImage(6, 6, kBlack);
  drawImage(dst, -2, -3, src, DrawMode::Opaque);
  EXPECT_EQ(getPixel(dst, 0, 0), src.row(3)[2]);
  drawImage(dst, 4, 5, src, DrawMode::Opaque);
  EXPECT_EQ(getPixel(dst, 5, 5), src.row(0)[1]);
  // Rectangles partly or wholly outside the source or target draw only what exists.
  Image before = dst;
  drawImage(dst, 100, 0, src, DrawMode::Opaque);
  drawImage(dst, 0, -100, src, DrawMode::Opaque);
  drawImage(dst, 0, 0, src, 20, 20, 30, 30, DrawMode::Opaque);
  EXPECT_EQ(dst.pixels, before.pixels);
  drawImage(dst, 0, 0, src, -2, -2, 1, 1, DrawMode::Opaque);
  EXPECT_EQ(getPixel(dst, 2, 2), src.row(0)[0]) << "a source rectangle starting left of the image shifts the target";
}

TEST(Boxes, FilledAndOutlineAreInclusiveAndClipped) {
  Image img = createImage(5, 5, 0);
  fillBox(img, 3, 3, 1, 1, 7);  // corners in any order
  EXPECT_EQ(getPixel(img, 1, 1), 7u);
  EXPECT_EQ(getPixel(img, 3, 3), 7u);
  EXPECT_EQ(getPixel(img, 4, 4), 0u);
  fillBox(img, -10, -10, 100, 0, 9);
  EXPECT_EQ(getPixel(img, 4, 0), 9u);
  Image box = createImage(5, 5, 0);
  outlineBox(box, 0, 0, 4, 4, 1);
  EXPECT_EQ(getPixel(box, 4, 2), 1u);
  EXPECT_EQ(getPixel(box, 2, 2), 0u);
}

TEST(Boxes, LineReachesBothEndsAndFloodFillStopsAtBorder) {
  Image img = createImage(9, 9, 0);
  drawLine(img, 0, 0, 8, 4, 5);
  EXPECT_EQ(getPixel(img, 0, 0), 5u);
  EXPECT_EQ(getPixel(img, 8, 4), 5u);
  drawLine(img, -50, 2, 50, 2, 5);  // off-image points are skipped
  Image ring = createImage(9, 9, 0);
  outlineBox(ring, 2, 2, 6, 6, 3);
  floodFill(ring, 4, 4, 8, 3);
  EXPECT_EQ(getPixel(ring, 4, 4), 8u);
  EXPECT_EQ(getPixel(ring, 3, 5), 8u);
  EXPECT_EQ(getPixel(ring, 2, 4), 3u);
  EXPECT_EQ(getPixel(ring, 0, 0), 0u) << "outside the border stays";
  floodFill(ring, -1, 4, 8, 3);  // outside the image: nothing
}

TEST(Pixels, GetOutsideIsZeroSetOutsideIsIgnored) {
  Image img = createImage(2, 2, 4);
  setPixel(img, 2, 0, 9);
  setPixel(img, -1, 0, 9);
  EXPECT_EQ(getPixel(img, 2, 0), 0u);
  EXPECT_EQ(getPixel(img, 1, 1), 4u);
  EXPECT_TRUE(createImage(-3, 4).pixels.empty());
}

TEST(PixelText, DrawsGlyphsEightPixelsApartInColour) {
  Image img = createImage(32, 8, 0);
  drawPixelText(img, 0, 0, "II", 0xFF00FF00u);
  int left = 0, right = 0;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      left += getPixel(img, x, y) == 0xFF00FF00u;
      right += getPixel(img, x + 8, y) == 0xFF00FF00u;
    }
  EXPECT_GT(left, 0);
  EXPECT_EQ(left, right);
  for (int y = 0; y < 8; ++y) EXPECT_EQ(getPixel(img, 20, y), 0u);
}
