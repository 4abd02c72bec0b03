#include "bmp_writer.h"

#include <fstream>

namespace assets {
namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFFu));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFFu);
  put16(out, v >> 16);
}

}  // namespace

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
  put32(out, kHeaderBytes + dataBytes);
  put32(out, 0);
  put32(out, kHeaderBytes);
  // BITMAPINFOHEADER: positive height means rows are stored bottom-up.
  put32(out, 40);
  put32(out, w);
  put32(out, h);
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);
  put32(out, dataBytes);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
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
