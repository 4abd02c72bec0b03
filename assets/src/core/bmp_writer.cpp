#include "bmp_writer.h"

#include <fstream>

#include "platform/little_endian.h"

namespace assets {

std::vector<std::uint8_t> encodeBmp24(const Canvas& canvas) {
  const auto w = static_cast<std::uint32_t>(canvas.width());
  const auto h = static_cast<std::uint32_t>(canvas.height());
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
  // BITMAPINFOHEADER: positive height means rows are stored bottom-up.
  platform::appendLe32(out, 40);
  platform::appendLe32(out, w);
  platform::appendLe32(out, h);
  platform::appendLe16(out, 1);
  platform::appendLe16(out, 24);
  platform::appendLe32(out, 0);
  platform::appendLe32(out, dataBytes);
  platform::appendLe32(out, 2835);  // 72 dpi
  platform::appendLe32(out, 2835);
  platform::appendLe32(out, 0);
  platform::appendLe32(out, 0);
  for (int y = canvas.height() - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Colour c = canvas.at(x, y);
      out.push_back(static_cast<std::uint8_t>(c & 0xFFu));
      out.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFFu));
      out.push_back(static_cast<std::uint8_t>((c >> 16) & 0xFFu));
    }
    for (std::uint32_t pad = w * 3u; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace assets
