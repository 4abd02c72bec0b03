#include "demos/generator/bmp_out.h"

#include "gen_kit/bmp24.h"

namespace demo_gen {

std::vector<std::uint8_t> encodeBmp24(const platform::Image& image) {
  return gen_kit::encodeBmp24(image.width, image.height, image.pixels);
}

}  // namespace demo_gen
