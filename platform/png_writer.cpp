// A small PNG encoder: one IDAT of uncompressed deflate blocks. Screenshots
// are rare, so size matters less than having no extra library.
#include "platform/png_writer.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace platform {

namespace {

std::uint32_t crc32(const std::string& data, std::size_t from) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = from; i < data.size(); ++i) c = table[(c ^ static_cast<std::uint8_t>(data[i])) & 0xFFu] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void put32be(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFFu));
}

void chunk(std::string& out, const char* type, const std::string& body) {
  put32be(out, static_cast<std::uint32_t>(body.size()));
  const std::size_t start = out.size();
  out.append(type, 4);
  out.append(body);
  put32be(out, crc32(out, start));
}

}  // namespace

std::string encodePng(const Image& image) {
  std::string raw;
  raw.reserve(static_cast<std::size_t>(image.height) * (1 + static_cast<std::size_t>(image.width) * 3));
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < image.width; ++x) {
      const Colour c = image.row(y)[x];
      raw.push_back(static_cast<char>((c >> 16) & 0xFFu));
      raw.push_back(static_cast<char>((c >> 8) & 0xFFu));
      raw.push_back(static_cast<char>(c & 0xFFu));
    }
  }
  std::string z = "\x78\x01";
  std::uint32_t a = 1, b = 0;
  for (const char ch : raw) {
    a = (a + static_cast<std::uint8_t>(ch)) % 65521u;
    b = (b + a) % 65521u;
  }
  for (std::size_t pos = 0; pos < raw.size() || pos == 0; pos += 65535) {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
    const bool last = pos + n >= raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(static_cast<char>(n & 0xFFu));
    z.push_back(static_cast<char>(n >> 8));
    z.push_back(static_cast<char>(~n & 0xFFu));
    z.push_back(static_cast<char>((~n >> 8) & 0xFFu));
    z.append(raw, pos, n);
    if (last) break;
  }
  put32be(z, (b << 16) | a);

  std::string png = "\x89PNG\r\n\x1a\n";
  std::string header;
  put32be(header, static_cast<std::uint32_t>(image.width));
  put32be(header, static_cast<std::uint32_t>(image.height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit, RGB, deflate, no filter, no interlace
  chunk(png, "IHDR", header);
  chunk(png, "IDAT", z);
  chunk(png, "IEND", "");
  return png;
}

bool savePng(const Image& image, const std::string& path) {
  if (image.width <= 0 || image.height <= 0) return false;
  const std::string bytes = encodePng(image);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace platform
