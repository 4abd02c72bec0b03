// 24-bit bottom-up BMP files, the form both programs' loaders read with every
// pixel opaque (magenta marks where a picture is transparent).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gen_kit/canvas.h"
#include "platform/image.h"

namespace gen_kit {

// The bytes of a BMP of `width` x `height` pixels given row-major from the
// top, each 0x..RRGGBB (the top byte is dropped).
std::vector<std::uint8_t> encodeBmp24(int width, int height, std::span<const std::uint32_t> pixels);
inline std::vector<std::uint8_t> encodeBmp24(const Canvas& canvas) {
  return encodeBmp24(canvas.width(), canvas.height(), canvas.pixels());
}
inline std::vector<std::uint8_t> encodeBmp24(const platform::Image& image) {
  return encodeBmp24(image.width, image.height, image.pixels);
}

}  // namespace gen_kit
