// Pixel buffers the generators paint into: a Canvas owns pixels, a View is a
// window onto one picture's rectangle with local coordinates and clipping, so
// a painter can never spill outside the rectangle it was given.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/image.h"

namespace gen_kit {

using Colour = std::uint32_t;  // 0xRRGGBB

// Magenta: where a picture is transparent, in every generated picture.
inline constexpr Colour kTransparent = 0xFF00FF;

// A rectangle by its inclusive corners.
struct Rect {
  int x1, x2, y1, y2;
};
constexpr int rectWidth(Rect r) { return r.x2 - r.x1 + 1; }
constexpr int rectHeight(Rect r) { return r.y2 - r.y1 + 1; }

class Canvas {
 public:
  Canvas(int width, int height, Colour fill = kTransparent);
  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Outside the canvas: reads give transparent, writes are dropped.
  Colour at(int x, int y) const;
  void set(int x, int y, Colour c);
  const std::vector<Colour>& pixels() const { return pixels_; }

 private:
  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

class View {
 public:
  View(Canvas& canvas, Rect area) : canvas_(&canvas), area_(area) {}
  explicit View(Canvas& canvas) : View(canvas, {0, canvas.width() - 1, 0, canvas.height() - 1}) {}
  int width() const { return rectWidth(area_); }
  int height() const { return rectHeight(area_); }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
  Colour at(int x, int y) const { return contains(x, y) ? canvas_->at(area_.x1 + x, area_.y1 + y) : kTransparent; }
  void set(int x, int y, Colour c) {
    if (contains(x, y)) canvas_->set(area_.x1 + x, area_.y1 + y, c);
  }
  bool opaque(int x, int y) const { return at(x, y) != kTransparent; }
  // A window inside this one, clipped to it.
  View sub(int x, int y, int w, int h) const;

 private:
  Canvas* canvas_;
  Rect area_;
};

// The canvas as a platform image: every pixel opaque, the transparent ones
// the platform's magenta key.
platform::Image toImage(const Canvas& canvas);

}  // namespace gen_kit
