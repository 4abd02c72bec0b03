// Builds the desktop icon from the game's own sprite sheet: the player's
// craft at twice its size over a patch of the sea.
#include <cstdio>

#include "assets/sheet_layout.h"
#include "platform/image.h"
#include "platform/png_writer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s plik.bmp icon.png\n", argv[0]);
    return 2;
  }
  platform::Image sheet = platform::createImage(assets::kSheetWidth, assets::kSheetHeight);
  if (!platform::loadBmp(sheet, argv[1])) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  constexpr int kSize = 128;
  platform::Image icon = platform::createImage(kSize, kSize, platform::kBlack);
  const auto& sea = assets::kSeaTile0;
  const auto& plane = assets::kPlayerFrame1;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const int sx = sea.x1 + (x / 2) % assets::rectWidth(sea);
      const int sy = sea.y1 + (y / 2) % assets::rectHeight(sea);
      platform::Colour c = platform::getPixel(sheet, sx, sy);
      const int px = plane.x1 + x / 2;
      const int py = plane.y1 + (y - (kSize - 2 * assets::rectHeight(plane)) / 2) / 2;
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
