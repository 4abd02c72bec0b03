#include "demos/media/bmp_out.h"

#include "media_kit/bmp24.h"

namespace media {

std::vector<std::uint8_t> encodeBmp24(const platform::Image& image) {
  return media_kit::encodeBmp24(image.width, image.height, image.pixels);
}

}  // namespace media
