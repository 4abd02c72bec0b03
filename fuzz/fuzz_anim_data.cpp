// anim_data.dat: any bytes parse into the table without reading or writing
// outside it, and every row keeps at most seven frames.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shooter/resources/sprite_sheet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  shooter::animTable.fill({});
  shooter::parseAnimations(std::string(reinterpret_cast<const char*>(data), size));
  for (int code = 0; code < shooter::kAnimRows; ++code) {
    const auto c = static_cast<std::uint8_t>(code);
    if (shooter::animTable[c].frameCount > shooter::kMaxFrames || shooter::frameCountOf(c) < 1) std::abort();
    (void)shooter::animFrame(c, shooter::frameCountOf(c));
  }
  return 0;
}
