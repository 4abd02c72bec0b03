// Pixel drawing on images: clipped blits in the three drawing modes, boxes,
// lines, flood fill and pixel text.
#include "platform/image.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/blit_kernels.h"
#include "platform/builtin_font.h"

namespace platform {

Image createImage(int width, int height, Colour fill) {
  Image image;
  if (width <= 0 || height <= 0) return image;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
  return image;
}

void drawImage(Image& dst, int x, int y, const Image& src, int sx1, int sy1, int sx2, int sy2,
               DrawMode mode, int alpha) {
  // Clipping works in 64 bits: rectangles from a damaged data file may lie
  // anywhere in the 32-bit range, and moving the target by them must not
  // overflow. What is left after clipping lies inside both images.
  std::int64_t tx = x, ty = y, x1 = sx1, y1 = sy1, x2 = sx2, y2 = sy2;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  // Clip the source rectangle to the source image, moving the target with it.
  if (x1 < 0) { tx -= x1; x1 = 0; }
  if (y1 < 0) { ty -= y1; y1 = 0; }
  x2 = std::min<std::int64_t>(x2, src.width - 1);
  y2 = std::min<std::int64_t>(y2, src.height - 1);
  // Then to the destination.
  if (tx < 0) { x1 -= tx; tx = 0; }
  if (ty < 0) { y1 -= ty; ty = 0; }
  const std::int64_t w = std::min<std::int64_t>(x2 - x1 + 1, dst.width - tx);
  const std::int64_t h = std::min<std::int64_t>(y2 - y1 + 1, dst.height - ty);
  if (w <= 0 || h <= 0) return;
  Colour* out = dst.row(static_cast<int>(ty)) + tx;
  const Colour* in = src.row(static_cast<int>(y1)) + x1;
  const int width = static_cast<int>(w);
  const int height = static_cast<int>(h);
  switch (mode) {
    case DrawMode::Opaque:
      for (int row = 0; row < height; ++row, out += dst.width, in += src.width) {
        std::memcpy(out, in, static_cast<std::size_t>(width) * sizeof(Colour));
      }
      break;
    case DrawMode::Transparent:
      activeBlitKernels().keyRect(out, dst.width, in, src.width, width, height);
      break;
    case DrawMode::Blend:
      activeBlitKernels().blendRect(out, dst.width, in, src.width, width, height,
                                    static_cast<unsigned>(std::clamp(alpha, 0, 255) + 1));
      break;
  }
}

void drawImage(Image& dst, int x, int y, const Image& src, DrawMode mode, int alpha) {
  drawImage(dst, x, y, src, 0, 0, src.width - 1, src.height - 1, mode, alpha);
}

void fillBox(Image& dst, int x1, int y1, int x2, int y2, Colour colour) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, dst.width - 1);
  y2 = std::min(y2, dst.height - 1);
  if (x1 > x2 || y1 > y2) return;
  for (int y = y1; y <= y2; ++y) std::fill(dst.row(y) + x1, dst.row(y) + x2 + 1, colour);
}

void outlineBox(Image& dst, int x1, int y1, int x2, int y2, Colour colour) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  fillBox(dst, x1, y1, x2, y1, colour);
  fillBox(dst, x1, y2, x2, y2, colour);
  fillBox(dst, x1, y1, x1, y2, colour);
  fillBox(dst, x2, y1, x2, y2, colour);
}

void drawLine(Image& dst, int x1, int y1, int x2, int y2, Colour colour) {
  // Bresenham; points outside the image are skipped one by one, which is
  // cheap enough for the few lines the programs draw.
  const int dx = std::abs(x2 - x1);
  const int dy = -std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1;
  const int sy = y1 < y2 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    setPixel(dst, x1, y1, colour);
    if (x1 == x2 && y1 == y2) break;
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x1 += sx; }
    if (e2 <= dx) { err += dx; y1 += sy; }
  }
}

void floodFill(Image& dst, int x, int y, Colour paint, Colour border) {
  if (!dst.contains(x, y)) return;
  // Span fill with an explicit stack: no recursion depth to overflow.
  std::vector<std::pair<int, int>> stack{{x, y}};
  auto fillable = [&](int px, int py) {
    const Colour c = dst.row(py)[px];
    return c != border && c != paint;
  };
  while (!stack.empty()) {
    auto [px, py] = stack.back();
    stack.pop_back();
    if (!fillable(px, py)) continue;
    int left = px;
    while (left > 0 && fillable(left - 1, py)) --left;
    int right = px;
    while (right < dst.width - 1 && fillable(right + 1, py)) ++right;
    std::fill(dst.row(py) + left, dst.row(py) + right + 1, paint);
    for (int ny : {py - 1, py + 1}) {
      if (ny < 0 || ny >= dst.height) continue;
      bool inSpan = false;
      for (int i = left; i <= right; ++i) {
        const bool f = fillable(i, ny);
        if (f && !inSpan) stack.emplace_back(i, ny);
        inSpan = f;
      }
    }
  }
}

void setPixel(Image& dst, int x, int y, Colour colour) {
  if (dst.contains(x, y)) dst.row(y)[x] = colour;
}

Colour getPixel(const Image& src, int x, int y) { return src.contains(x, y) ? src.row(y)[x] : 0u; }

void drawPixelText(Image& dst, int x, int y, std::string_view text, Colour colour) {
  for (const char ch : text) {
    const auto& glyph = builtinGlyph(static_cast<unsigned char>(ch));
    for (int row = 0; row < 8; ++row) {
      const unsigned bits = glyph[static_cast<std::size_t>(row)];
      for (int col = 0; col < 8; ++col) {
        if (bits & (0x80u >> col)) setPixel(dst, x + col, y + row, colour);
      }
    }
    x += 8;
  }
}

}  // namespace platform
