// Colour tools that work on the screen itself.
#include "platform/platform.h"
#include "testbench/colour_scan.h"
#include "testbench/colour_tools.h"
#include "testbench/screen_and_clock.h"

namespace testbench {

void SaveScreen(const std::string& file) { platform::saveBmp(platform::visiblePage(), file); }

void MaskScreenColour(const std::int32_t& x, const std::int32_t& y) {
  platform::Image& screen = platform::workPage();
  const platform::Colour picked = platform::getPixel(screen, x, y);
  for (int py = 0; py < kScreenHeight; ++py) {
    for (int px = 0; px < kScreenWidth; ++px) {
      if (platform::getPixel(screen, px, py) == picked) platform::setPixel(screen, px, py, kLibraryKey);
    }
  }
}

}  // namespace testbench
