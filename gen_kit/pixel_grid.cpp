#include "gen_kit/pixel_grid.h"

#include <iostream>
#include <string>

namespace gen_kit {

std::vector<std::string> expandGrid(GridRows rows, const GridStyle& style) {
  std::vector<std::string> out;
  out.reserve(rows.size());
  for (std::string_view row : rows) {
    std::string line(row);
    if (style.mirrorHalf) {
      const int full = style.fullWidth > 0 ? style.fullWidth : static_cast<int>(row.size()) * 2;
      line.assign(static_cast<std::size_t>(full), '.');
      for (int x = 0; x < full; ++x) {
        const int src = x < static_cast<int>(row.size()) ? x : full - 1 - x;
        if (src >= 0 && src < static_cast<int>(row.size())) line[static_cast<std::size_t>(x)] = row[static_cast<std::size_t>(src)];
      }
    }
    if (style.flipHorizontal) line = std::string(line.rbegin(), line.rend());
    out.push_back(line);
  }
  if (style.flipVertical) out = std::vector<std::string>(out.rbegin(), out.rend());
  const int turns = static_cast<int>(style.turn);
  for (int t = 0; t < turns && !out.empty(); ++t) {
    // One clockwise quarter turn: new row r is old column r read bottom-up.
    const std::size_t h = out.size();
    const std::size_t w = out[0].size();
    std::vector<std::string> turned(w, std::string(h, '.'));
    for (std::size_t y = 0; y < h; ++y) {
      for (std::size_t x = 0; x < w && x < out[y].size(); ++x) turned[x][h - 1 - y] = out[y][x];
    }
    out = std::move(turned);
  }
  return out;
}

void paintKeys(View& v, int x, int y, const std::vector<std::string>& keys, Palette palette) {
  for (std::size_t r = 0; r < keys.size(); ++r) {
    for (std::size_t c = 0; c < keys[r].size(); ++c) {
      const char key = keys[r][c];
      if (key == '.') continue;
      v.set(x + static_cast<int>(c), y + static_cast<int>(r), paletteColour(palette, key));
    }
  }
}

void paintGrid(View& v, int x, int y, GridRows rows, Palette palette, const GridStyle& style) {
  paintKeys(v, x, y, expandGrid(rows, style), palette);
}

Canvas canvasFromGrid(GridRows rows, Palette palette) {
  if (rows.empty()) return Canvas(0, 0);
  const std::size_t width = rows.front().size();
  for (std::size_t y = 0; y < rows.size(); ++y) {
    if (rows[y].size() != width) {
      std::cerr << "pixel grid: row " << y << " is " << rows[y].size() << " wide, not " << width << '\n';
      return Canvas(0, 0);
    }
    for (const char key : rows[y]) {
      if (key != '.' && !inPalette(palette, key)) {
        std::cerr << "pixel grid: '" << key << "' at row " << y << " is not in the palette\n";
        return Canvas(0, 0);
      }
    }
  }
  Canvas canvas(static_cast<int>(width), static_cast<int>(rows.size()));
  View view(canvas);
  paintGrid(view, 0, 0, rows, palette);
  return canvas;
}

}  // namespace gen_kit
