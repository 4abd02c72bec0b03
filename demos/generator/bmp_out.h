// Writes pictures as 24-bit BMP files, the form the demo programs load
// (every pixel opaque; magenta marks where a picture is transparent).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"

namespace demo_gen {

// The bytes of a bottom-up 24-bit BMP of the image (alpha dropped).
std::vector<std::uint8_t> encodeBmp24(const platform::Image& image);

}  // namespace demo_gen
