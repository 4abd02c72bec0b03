// 24-bit bottom-up BMP files, the form both programs' loaders read with every
// pixel opaque (magenta marks where a picture is transparent).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace gen_kit {

// The bytes of a BMP of `width` x `height` pixels given row-major from the
// top, each 0x..RRGGBB (the top byte is dropped).
std::vector<std::uint8_t> encodeBmp24(int width, int height, std::span<const std::uint32_t> pixels);

}  // namespace gen_kit
