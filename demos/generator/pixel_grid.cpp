#include "demos/generator/pixel_grid.h"

#include <iostream>

#include "demos/generator/colour.h"

namespace demo_gen {

platform::Image imageFromGrid(std::span<const PaletteEntry> palette, std::span<const std::string_view> rows) {
  if (rows.empty()) return {};
  const auto width = static_cast<int>(rows.front().size());
  platform::Image image = platform::createImage(width, static_cast<int>(rows.size()), kKey);
  for (std::size_t y = 0; y < rows.size(); ++y) {
    if (static_cast<int>(rows[y].size()) != width) {
      std::cerr << "pixel grid: row " << y << " is " << rows[y].size() << " wide, not " << width << '\n';
      return {};
    }
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      const char key = rows[y][x];
      if (key == '.') continue;
      const PaletteEntry* found = nullptr;
      for (const PaletteEntry& entry : palette) {
        if (entry.key == key) found = &entry;
      }
      if (found == nullptr) {
        std::cerr << "pixel grid: '" << key << "' at row " << y << " is not in the palette\n";
        return {};
      }
      image.row(static_cast<int>(y))[x] = pixel(rgb(found->colour));
    }
  }
  return image;
}

}  // namespace demo_gen
