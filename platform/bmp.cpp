// BMP reading and writing. The decoder is our own and checks every header
// field against the real file size before touching pixels, so a damaged or
// hostile file can neither make it read past the data nor allocate much.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/image.h"
#include "platform/text_file.h"

namespace platform {

namespace {

constexpr std::int64_t kMaxDimension = 16384;

std::uint32_t le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// Index of the lowest set bit and the width of a channel mask, for BI_BITFIELDS.
struct MaskChannel {
  int shift = 0;
  int bits = 0;
  std::uint32_t mask = 0;
  explicit MaskChannel(std::uint32_t m) : mask(m) {
    if (m == 0) return;
    while (((m >> shift) & 1u) == 0) ++shift;
    while (shift + bits < 32 && ((m >> (shift + bits)) & 1u) != 0) ++bits;
  }
  std::uint32_t extract(std::uint32_t v, std::uint32_t missing) const {
    if (bits == 0) return missing;
    const std::uint32_t raw = (v & mask) >> shift;
    if (bits >= 8) return raw >> (bits - 8);
    const std::uint32_t max = (1u << bits) - 1u;
    return (raw * 255u + max / 2) / max;
  }
};

}  // namespace

bool decodeBmp(Image& dst, const std::uint8_t* data, std::size_t size) {
  if (size < 26 || data[0] != 'B' || data[1] != 'M') return false;
  const std::uint32_t pixelOffset = le32(data + 10);
  const std::uint32_t dibSize = le32(data + 14);
  std::int64_t width = 0;
  std::int64_t height = 0;
  int bitsPerPixel = 0;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  std::size_t paletteEntrySize = 4;
  if (dibSize == 12) {  // OS/2 core header
    if (size < 14 + 12) return false;
    width = le16(data + 18);
    height = static_cast<std::int16_t>(le16(data + 20));
    if (le16(data + 22) != 1) return false;
    bitsPerPixel = le16(data + 24);
    paletteEntrySize = 3;
  } else if (dibSize >= 40 && dibSize <= 1024) {
    if (size < 14 + 40) return false;
    width = static_cast<std::int32_t>(le32(data + 18));
    height = static_cast<std::int32_t>(le32(data + 22));
    if (le16(data + 26) != 1) return false;
    bitsPerPixel = le16(data + 28);
    compression = le32(data + 30);
    coloursUsed = le32(data + 46);
  } else {
    return false;
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension) return false;
  if (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32) return false;
  const bool bitfields = compression == 3 && bitsPerPixel == 32;
  if (compression != 0 && !bitfields) return false;

  const std::int64_t stride = ((width * bitsPerPixel + 31) / 32) * 4;
  const std::int64_t needed = static_cast<std::int64_t>(pixelOffset) + stride * height;
  if (pixelOffset < 14 + (dibSize == 12 ? 12u : 40u) || needed > static_cast<std::int64_t>(size)) {
    return false;
  }

  // Palette for 8-bit files; indexes beyond the stored palette read black.
  std::uint32_t palette[256] = {};
  if (bitsPerPixel == 8) {
    std::size_t entries = coloursUsed == 0 || coloursUsed > 256 ? 256 : coloursUsed;
    const std::size_t paletteStart = 14 + dibSize;
    if (paletteStart > pixelOffset) return false;
    entries = std::min<std::size_t>(entries, (pixelOffset - paletteStart) / paletteEntrySize);
    for (std::size_t i = 0; i < entries; ++i) {
      const std::uint8_t* p = data + paletteStart + i * paletteEntrySize;
      palette[i] = 0xFF000000u | (static_cast<std::uint32_t>(p[2]) << 16) |
                   (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
    }
  }

  MaskChannel red(0x00FF0000u), green(0x0000FF00u), blue(0x000000FFu), alphaMask(0xFF000000u);
  if (bitfields) {
    // The masks follow a 40-byte header, or sit inside a longer one; either
    // way they must lie inside the file.
    const bool withAlpha = dibSize >= 56;
    if (size < 14 + 40 + (withAlpha ? 16u : 12u)) return false;
    const std::uint8_t* masks = data + 14 + 40;
    red = MaskChannel(le32(masks));
    green = MaskChannel(le32(masks + 4));
    blue = MaskChannel(le32(masks + 8));
    alphaMask = MaskChannel(withAlpha ? le32(masks + 12) : 0u);
  }

  const int w = static_cast<int>(std::min<std::int64_t>(width, dst.width));
  const int h = static_cast<int>(std::min<std::int64_t>(height, dst.height));
  for (int y = 0; y < h; ++y) {
    const std::int64_t fileRow = topDown ? y : height - 1 - y;
    const std::uint8_t* src = data + pixelOffset + fileRow * stride;
    Colour* out = dst.row(y);
    for (int x = 0; x < w; ++x) {
      switch (bitsPerPixel) {
        case 8:
          out[x] = palette[src[x]];
          break;
        case 24: {
          const std::uint8_t* p = src + x * 3;
          out[x] = 0xFF000000u | (static_cast<std::uint32_t>(p[2]) << 16) |
                   (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
          break;
        }
        default: {
          const std::uint32_t v = le32(src + x * 4);
          out[x] = bitfields ? (alphaMask.extract(v, 0u) << 24) | (red.extract(v, 0u) << 16) |
                                   (green.extract(v, 0u) << 8) | blue.extract(v, 0u)
                             : v;
          break;
        }
      }
    }
  }
  return true;
}

bool loadBmp(Image& dst, const std::string& path) {
  const auto bytes = readWholeFile(path);
  if (!bytes) return false;
  return decodeBmp(dst, reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
}

namespace {

bool writeBmp(const Image& src, const std::string& path, Colour alphaMask) {
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(src.pixels.size() * 4);
  std::uint8_t header[54] = {};
  auto put32 = [&header](int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) header[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  header[0] = 'B';
  header[1] = 'M';
  put32(2, 54 + imageBytes);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(src.width));
  put32(22, static_cast<std::uint32_t>(src.height));
  header[26] = 1;
  header[28] = 32;
  put32(34, imageBytes);
  put32(38, 2835);  // 72 dpi
  put32(42, 2835);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(header, 1, sizeof header, file) == sizeof header;
  std::vector<std::uint8_t> row(static_cast<std::size_t>(src.width) * 4);
  for (int y = src.height - 1; ok && y >= 0; --y) {
    const Colour* in = src.row(y);
    for (int x = 0; x < src.width; ++x) {
      for (int i = 0; i < 4; ++i) row[static_cast<std::size_t>(x * 4 + i)] = static_cast<std::uint8_t>((in[x] | alphaMask) >> (8 * i));
    }
    ok = std::fwrite(row.data(), 1, row.size(), file) == row.size();
  }
  return std::fclose(file) == 0 && ok;
}

}  // namespace

bool saveBmp(const Image& src, const std::string& path) { return writeBmp(src, path, 0); }

bool saveScreenBmp(const Image& src, const std::string& path) { return writeBmp(src, path, 0xFF000000u); }

}  // namespace platform
