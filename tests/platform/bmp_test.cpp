// BMP decoding of every supported layout, and refusal of impossible headers.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/image.h"

using namespace platform;

namespace {

using Bytes = std::vector<std::uint8_t>;

void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

// A BITMAPINFOHEADER file with `paletteSize` colours and rows as given
// (already padded, in file order).
Bytes bmpFile(int width, int height, int bits, const Bytes& palette, const Bytes& rows) {
  Bytes b(54, 0);
  b[0] = 'B';
  b[1] = 'M';
  const auto offset = static_cast<std::uint32_t>(54 + palette.size());
  put32(b, 2, offset + static_cast<std::uint32_t>(rows.size()));
  put32(b, 10, offset);
  put32(b, 14, 40);
  put32(b, 18, static_cast<std::uint32_t>(width));
  put32(b, 22, static_cast<std::uint32_t>(height));
  b[26] = 1;
  b[28] = static_cast<std::uint8_t>(bits);
  if (!palette.empty()) put32(b, 46, static_cast<std::uint32_t>(palette.size() / 4));
  b.insert(b.end(), palette.begin(), palette.end());
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

bool decode(Image& img, const Bytes& b) { return decodeBmp(img, b.data(), b.size()); }

}  // namespace

TEST(Bmp, TwentyFourBitBottomUpWithRowPaddingGetsOpaqueAlpha) {
  // 3x2: each row is 9 bytes of pixels padded to 12. File rows are bottom first.
  const Bytes rows = {
      1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0,            // bottom row
      255, 0, 255, 0, 0, 0, 10, 20, 30, 0, 0, 0,     // top row
  };
  Image img = createImage(3, 2, 0);
  ASSERT_TRUE(decode(img, bmpFile(3, 2, 24, {}, rows)));
  EXPECT_EQ(getPixel(img, 0, 0), 0xFFFF00FFu) << "loaded magenta reads back as 0xFFFF00FF";
  EXPECT_EQ(getPixel(img, 2, 0), 0xFF1E140Au);
  EXPECT_EQ(getPixel(img, 0, 1), 0xFF030201u);
  EXPECT_EQ(getPixel(img, 2, 1), 0xFF090807u);
}

TEST(Bmp, TopDownEightBitPaletteAndThirtyTwoBitAsStored) {
  const Bytes palette = {0, 0, 255, 0, 0, 255, 0, 0};  // red, green
  const Bytes rows8 = {0, 1, 0, 0, 1, 0, 0, 0};        // 2x2, rows padded to 4
  Image img = createImage(2, 2, 0);
  ASSERT_TRUE(decode(img, bmpFile(2, -2, 8, palette, rows8)));
  EXPECT_EQ(getPixel(img, 0, 0), 0xFFFF0000u) << "top-down: first file row is the top";
  EXPECT_EQ(getPixel(img, 1, 0), 0xFF00FF00u);
  EXPECT_EQ(getPixel(img, 0, 1), 0xFF00FF00u);

  const Bytes rows32 = {0x44, 0x33, 0x22, 0x11};
  Image one = createImage(1, 1, 0);
  ASSERT_TRUE(decode(one, bmpFile(1, 1, 32, {}, rows32)));
  EXPECT_EQ(getPixel(one, 0, 0), 0x11223344u) << "32-bit pixels keep their stored alpha";
}

TEST(Bmp, PaletteIndexBeyondStoredPaletteReadsBlack) {
  const Bytes palette = {9, 9, 9, 0};
  Image img = createImage(1, 1, 7);
  ASSERT_TRUE(decode(img, bmpFile(1, 1, 8, palette, {200, 0, 0, 0})));
  EXPECT_EQ(getPixel(img, 0, 0), 0u);
}

TEST(Bmp, LargerFileThanImageIsCroppedSmallerFillsTopLeft) {
  Bytes rows;
  for (int y = 0; y < 4; ++y) rows.insert(rows.end(), {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4});
  Image small = createImage(2, 2, 0);
  ASSERT_TRUE(decode(small, bmpFile(4, 4, 24, {}, rows)));
  EXPECT_EQ(getPixel(small, 1, 1), 0xFF020202u);
  Image big = createImage(6, 6, 5);
  ASSERT_TRUE(decode(big, bmpFile(4, 4, 24, {}, rows)));
  EXPECT_EQ(getPixel(big, 3, 3), 0xFF040404u);
  EXPECT_EQ(getPixel(big, 4, 4), 5u) << "pixels beyond the file keep their old colour";
}

TEST(Bmp, ImpossibleHeadersLoadNothing) {
  const Bytes rows = {1, 2, 3, 0};
  const Bytes good = bmpFile(1, 1, 24, {}, rows);
  Image img = createImage(2, 2, 7);
  const Image before = img;
  auto refuses = [&](Bytes b, const char* why) {
    EXPECT_FALSE(decode(img, b)) << why;
    EXPECT_EQ(img.pixels, before.pixels) << why;
  };
  Bytes b = good;
  put32(b, 18, 0);
  refuses(b, "zero width");
  b = good;
  put32(b, 22, 0);
  refuses(b, "zero height");
  b = good;
  put32(b, 18, 100000);
  refuses(b, "huge width");
  b = good;
  put32(b, 22, 0x80000000u);
  refuses(b, "most negative height");
  b = good;
  b[28] = 16;
  refuses(b, "16-bit depth");
  b = good;
  b[30] = 1;
  refuses(b, "run-length compression");
  b = good;
  b.resize(b.size() - 1);
  refuses(b, "short pixel data");
  b = good;
  put32(b, 10, 0xFFFFFFF0u);
  refuses(b, "pixel offset past the end");
  b = good;
  b[0] = 'X';
  refuses(b, "wrong magic");
  refuses(Bytes(10, 0), "truncated header");
  refuses({}, "empty file");
  EXPECT_FALSE(loadBmp(img, "/nonexistent/file.bmp"));
}

TEST(Bmp, SaveThenLoadGivesTheSamePixels) {
  Image img = createImage(5, 3, 0);
  for (std::size_t i = 0; i < img.pixels.size(); ++i) img.pixels[i] = 0x01020304u * static_cast<Colour>(i + 1);
  const std::string path = testing::TempDir() + "roundtrip.bmp";
  ASSERT_TRUE(saveBmp(img, path));
  Image back = createImage(5, 3, 0);
  ASSERT_TRUE(loadBmp(back, path));
  EXPECT_EQ(back.pixels, img.pixels);
  EXPECT_FALSE(saveBmp(img, "/nonexistent/dir/x.bmp"));
  std::remove(path.c_str());
}

TEST(Bmp, BitfieldsHeaderCutBeforeItsMasksIsRefused) {
  Bytes b = bmpFile(1, 1, 32, {}, {1, 2, 3, 4});
  b[30] = 3;           // BI_BITFIELDS: the masks should follow the header
  put32(b, 14, 168);   // a long header the file does not hold
  b.resize(58);
  Image img = createImage(1, 1, 0);
  EXPECT_FALSE(decode(img, b));
}
