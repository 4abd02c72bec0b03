#include "tests/media/bmp_out.h"

namespace media {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFFu));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFFu);
  put16(out, v >> 16);
}

constexpr std::uint32_t kHeaderBytes = 14 + 40;

}  // namespace

std::vector<std::uint8_t> encodeBmp24(const platform::Image& image) {
  const auto width = static_cast<std::uint32_t>(image.width);
  const auto height = static_cast<std::uint32_t>(image.height);
  const std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
  const std::uint32_t pixelBytes = rowBytes * height;
  std::vector<std::uint8_t> out;
  out.reserve(kHeaderBytes + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, kHeaderBytes + pixelBytes);
  put32(out, 0);
  put32(out, kHeaderBytes);
  put32(out, 40);  // BITMAPINFOHEADER
  put32(out, width);
  put32(out, height);
  put16(out, 1);   // planes
  put16(out, 24);  // bits per pixel
  put32(out, 0);   // no compression
  put32(out, pixelBytes);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    const platform::Colour* row = image.row(y);
    for (int x = 0; x < image.width; ++x) {
      out.push_back(static_cast<std::uint8_t>(row[x] & 0xFFu));
      out.push_back(static_cast<std::uint8_t>((row[x] >> 8) & 0xFFu));
      out.push_back(static_cast<std::uint8_t>((row[x] >> 16) & 0xFFu));
    }
    for (std::uint32_t pad = width * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace media
