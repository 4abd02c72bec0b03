// A 32-bit image (0xAARRGGBB per pixel) and the drawing operations on it.
// Screen pages are images too, so every drawing call takes the target image.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

using Colour = std::uint32_t;

// The transparent key colour: pixels whose red, green and blue equal magenta
// are skipped by transparent and blended drawing, whatever their alpha byte.
inline constexpr Colour kMagenta = 0x00FF00FFu;
// A fresh image is opaque magenta, so an unloaded picture draws nothing.
inline constexpr Colour kOpaqueMagenta = 0xFFFF00FFu;
inline constexpr Colour kWhite = 0xFFFFFFFFu;
inline constexpr Colour kBlack = 0xFF000000u;

inline constexpr bool isMagenta(Colour c) { return (c & 0x00FFFFFFu) == kMagenta; }

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Colour> pixels;  // row-major, width * height

  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  Colour* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width); }
  const Colour* row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
  }
};

enum class DrawMode : std::uint8_t {
  Opaque,       // copy the value as it is
  Transparent,  // skip magenta; copy red, green and blue with alpha 0
  Blend,        // skip magenta; mix each colour channel by a constant opacity
};

// Creates a width x height image filled with `fill`. Negative sizes give an
// empty image.
Image createImage(int width, int height, Colour fill = kOpaqueMagenta);

// Copies the inclusive rectangle (sx1, sy1)-(sx2, sy2) of `src` with its
// top-left at (x, y) of `dst`. The rectangle is clipped to the source and the
// destination; for Blend every colour channel becomes
// dst + (src - dst) * (alpha + 1) / 256.
void drawImage(Image& dst, int x, int y, const Image& src, int sx1, int sy1, int sx2, int sy2,
               DrawMode mode, int alpha = 255);
// Copies the whole of `src`.
void drawImage(Image& dst, int x, int y, const Image& src, DrawMode mode, int alpha = 255);

// Inclusive corners in any order; clipped.
void fillBox(Image& dst, int x1, int y1, int x2, int y2, Colour colour);
void outlineBox(Image& dst, int x1, int y1, int x2, int y2, Colour colour);
void drawLine(Image& dst, int x1, int y1, int x2, int y2, Colour colour);
// Paints from (x, y) outwards with `paint` until pixels of `border` colour
// stop it (the classic paint-with-border fill).
void floodFill(Image& dst, int x, int y, Colour paint, Colour border);

void setPixel(Image& dst, int x, int y, Colour colour);
// Returns 0 for a point outside the image.
Colour getPixel(const Image& src, int x, int y);

// Pixel text in the built-in 8x8 font: glyph cells 8 pixels apart, drawn in
// `colour`; only set pixels of the glyph are written.
inline constexpr Colour kDefaultForeground = 0xFFFFFFFFu;
void drawPixelText(Image& dst, int x, int y, std::string_view text, Colour colour = kDefaultForeground);

// Reads a BMP file (8-bit palette, 24-bit and 32-bit, bottom-up or top-down)
// into the existing image at its top-left; pixels beyond the image are dropped.
// 8- and 24-bit pixels get alpha 0xFF, 32-bit pixels are copied as stored.
// Returns false (and leaves the image untouched) for a missing or malformed file.
bool loadBmp(Image& dst, const std::string& path);
// Decodes BMP bytes held in memory; same rules as loadBmp.
bool decodeBmp(Image& dst, const std::uint8_t* data, std::size_t size);
// Writes a 32-bit bottom-up BMP, every pixel's four bytes as they are (so
// loadBmp gives back the same image). Returns false when the file cannot be
// written.
bool saveBmp(const Image& src, const std::string& path);
// Writes the picture the way a screen shows it: the fourth byte, which
// drawing leaves as a mark and a screen ignores, is written as 0xFF, so that
// viewers do not take it for transparency.
bool saveScreenBmp(const Image& src, const std::string& path);

}  // namespace platform
