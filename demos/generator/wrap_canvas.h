// Drawing on a ground tile that repeats vertically: rows wrap round the
// tile's height, columns outside it are dropped.
#pragma once

#include "platform/image.h"
#include "demos/generator/colour.h"

namespace demo_gen {

class WrapCanvas {
 public:
  explicit WrapCanvas(platform::Image& image) : image_(image) {}
  int width() const { return image_.width; }
  int height() const { return image_.height; }
  bool inside(int x) const { return x >= 0 && x < image_.width; }
  int wrapRow(int y) const {
    const int m = y % image_.height;
    return m < 0 ? m + image_.height : m;
  }
  Rgb get(int x, int y) const { return inside(x) ? fromPixel(image_.row(wrapRow(y))[x]) : Rgb{}; }
  void set(int x, int y, const Rgb& c) {
    if (inside(x)) image_.row(wrapRow(y))[x] = pixel(c);
  }

 private:
  platform::Image& image_;
};

}  // namespace demo_gen
