#include "gen_kit/canvas.h"

#include <algorithm>
#include <cstddef>

namespace gen_kit {

Canvas::Canvas(int width, int height, Colour fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Colour Canvas::at(int x, int y) const {
  if (!contains(x, y)) return kTransparent;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void Canvas::set(int x, int y, Colour c) {
  if (!contains(x, y)) return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = c;
}

View View::sub(int x, int y, int w, int h) const {
  Rect r{area_.x1 + x, area_.x1 + x + w - 1, area_.y1 + y, area_.y1 + y + h - 1};
  r.x1 = std::max(r.x1, area_.x1);
  r.y1 = std::max(r.y1, area_.y1);
  r.x2 = std::min(r.x2, area_.x2);
  r.y2 = std::min(r.y2, area_.y2);
  return View(*canvas_, r);
}

platform::Image toImage(const Canvas& canvas) {
  platform::Image image = platform::createImage(canvas.width(), canvas.height(), platform::kOpaqueMagenta);
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Colour c = canvas.at(x, y);
      if (c != kTransparent) image.row(y)[x] = 0xFF000000u | c;
    }
  }
  return image;
}

}  // namespace gen_kit
