// Builds the desktop icon from the game's own sprite sheet: the player's
// craft at twice its size over a patch of the sea, on 128 pixels. The web
// app's icons are the same picture at other sizes (a third argument), each
// sheet pixel a square of size / 64 pixels.
#include <cstdio>
#include <cstdlib>

#include "assets/sheet_layout.h"
#include "platform/image.h"
#include "platform/png_writer.h"

int main(int argc, char** argv) {
  const int size = argc == 4 ? std::atoi(argv[3]) : 128;
  if ((argc != 3 && argc != 4) || size < 64 || size > 1024 || size % 64 != 0) {
    std::fprintf(stderr, "usage: %s plik.bmp icon.png [size: a multiple of 64, 64 to 1024]\n", argv[0]);
    return 2;
  }
  const int zoom = size / 64;
  platform::Image sheet = platform::createImage(assets::kSheetWidth, assets::kSheetHeight);
  if (!platform::loadBmp(sheet, argv[1])) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  platform::Image icon = platform::createImage(size, size, platform::kBlack);
  const auto& sea = assets::kSeaTile0;
  const auto& plane = assets::kPlayerFrame1;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int sx = sea.x1 + (x / zoom) % assets::rectWidth(sea);
      const int sy = sea.y1 + (y / zoom) % assets::rectHeight(sea);
      platform::Colour c = platform::getPixel(sheet, sx, sy);
      const int px = plane.x1 + x / zoom;
      const int py = plane.y1 + (y - (size - zoom * assets::rectHeight(plane)) / 2) / zoom;
      if (px <= plane.x2 && py >= plane.y1 && py <= plane.y2) {
        const platform::Colour p = platform::getPixel(sheet, px, py);
        if (!platform::isMagenta(p)) c = p;
      }
      platform::setPixel(icon, x, y, c);
    }
  }
  if (!platform::savePng(icon, argv[2])) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
