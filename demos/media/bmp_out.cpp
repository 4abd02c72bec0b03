#include "demos/media/bmp_out.h"

#include "platform/little_endian.h"

namespace media {

namespace {

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
  platform::appendLe32(out, kHeaderBytes + pixelBytes);
  platform::appendLe32(out, 0);
  platform::appendLe32(out, kHeaderBytes);
  platform::appendLe32(out, 40);  // BITMAPINFOHEADER
  platform::appendLe32(out, width);
  platform::appendLe32(out, height);
  platform::appendLe16(out, 1);   // planes
  platform::appendLe16(out, 24);  // bits per pixel
  platform::appendLe32(out, 0);   // no compression
  platform::appendLe32(out, pixelBytes);
  platform::appendLe32(out, 2835);  // 72 dpi
  platform::appendLe32(out, 2835);
  platform::appendLe32(out, 0);
  platform::appendLe32(out, 0);
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
