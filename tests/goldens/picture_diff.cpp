// golden_picture_diff EXPECTED.bmp ACTUAL.bmp DIFFERENCE.bmp
// Writes a picture of where two golden shots differ and says how much: the
// expected picture dimmed to a quarter, every pixel that differs in full
// magenta (red, green and blue are compared; the fourth byte is a drawing mark
// that a screen ignores). Prints one line: the count of differing pixels and
// the box around them. Exits 0 when the difference picture was written, 2
// when a picture cannot be read or written.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/image.h"

namespace {

constexpr platform::Colour kDifferent = 0xFFFF00FFu;

std::int32_t readLittleEndian32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
                                   static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
                                   static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// Reads a BMP at its own size (loadBmp draws into an image of a given size).
bool readPicture(const std::string& path, platform::Image& picture) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  constexpr std::size_t kHeightAt = 22;
  if (bytes.size() < kHeightAt + 4) return false;
  const int width = readLittleEndian32(bytes, 18);
  const int height = std::abs(readLittleEndian32(bytes, kHeightAt));
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return false;
  picture = platform::createImage(width, height, platform::kBlack);
  return platform::decodeBmp(picture, bytes.data(), bytes.size());
}

platform::Colour dimmed(platform::Colour c) { return 0xFF000000u | ((c >> 2) & 0x003F3F3Fu); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: golden_picture_diff EXPECTED.bmp ACTUAL.bmp DIFFERENCE.bmp\n");
    return 2;
  }
  platform::Image expected;
  platform::Image actual;
  if (!readPicture(argv[1], expected) || !readPicture(argv[2], actual)) {
    std::fprintf(stderr, "golden_picture_diff: cannot read %s or %s as a BMP\n", argv[1], argv[2]);
    return 2;
  }
  // Pictures of different sizes are compared over the larger; what only one
  // of them covers counts as different.
  const int width = std::max(expected.width, actual.width);
  const int height = std::max(expected.height, actual.height);
  platform::Image difference = platform::createImage(width, height, kDifferent);
  long differing = 0;
  int left = width, top = height, right = -1, bottom = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool same = expected.contains(x, y) && actual.contains(x, y) &&
                        ((platform::getPixel(expected, x, y) ^ platform::getPixel(actual, x, y)) & 0x00FFFFFFu) == 0;
      if (same) {
        platform::setPixel(difference, x, y, dimmed(platform::getPixel(expected, x, y)));
        continue;
      }
      ++differing;
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x);
      bottom = std::max(bottom, y);
    }
  }
  if (!platform::saveScreenBmp(difference, argv[3])) {
    std::fprintf(stderr, "golden_picture_diff: cannot write %s\n", argv[3]);
    return 2;
  }
  if (expected.width != actual.width || expected.height != actual.height) {
    std::printf("sizes differ: expected %dx%d, actual %dx%d; ", expected.width, expected.height, actual.width,
                actual.height);
  }
  if (differing == 0) {
    std::printf("the pixels are the same (the files differ elsewhere)\n");
  } else {
    std::printf("%ld of %d pixels differ, within (%d,%d)-(%d,%d)\n", differing, width * height, left, top, right,
                bottom);
  }
  return 0;
}
