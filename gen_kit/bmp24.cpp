#include "gen_kit/bmp24.h"

#include <cstddef>

#include "platform/little_endian.h"

namespace gen_kit {

std::vector<std::uint8_t> encodeBmp24(int width, int height, std::span<const std::uint32_t> pixels) {
  const auto w = static_cast<std::uint32_t>(width);
  const auto h = static_cast<std::uint32_t>(height);
  const std::uint32_t rowBytes = (w * 3u + 3u) & ~3u;
  const std::uint32_t dataBytes = rowBytes * h;
  constexpr std::uint32_t kHeaderBytes = 14u + 40u;
  std::vector<std::uint8_t> out;
  out.reserve(kHeaderBytes + dataBytes);
  // File header.
  out.push_back('B');
  out.push_back('M');
  platform::appendLe32(out, kHeaderBytes + dataBytes);
  platform::appendLe32(out, 0);
  platform::appendLe32(out, kHeaderBytes);
  // BITMAPINFOHEADER: a positive height means rows are stored bottom-up.
  platform::appendLe32(out, 40);
  platform::appendLe32(out, w);
  platform::appendLe32(out, h);
  platform::appendLe16(out, 1);   // planes
  platform::appendLe16(out, 24);  // bits per pixel
  platform::appendLe32(out, 0);   // no compression
  platform::appendLe32(out, dataBytes);
  platform::appendLe32(out, 2835);  // 72 dpi
  platform::appendLe32(out, 2835);
  platform::appendLe32(out, 0);
  platform::appendLe32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const std::size_t rowStart = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = pixels[rowStart + static_cast<std::size_t>(x)];
      out.push_back(static_cast<std::uint8_t>(c & 0xFFu));
      out.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFFu));
      out.push_back(static_cast<std::uint8_t>((c >> 16) & 0xFFu));
    }
    for (std::uint32_t pad = w * 3u; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace gen_kit
