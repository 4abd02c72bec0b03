// Encodes a canvas as a 24-bit bottom-up BMP, the format the game's loader
// reads with every pixel opaque.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace assets {

std::vector<std::uint8_t> encodeBmp24(const Canvas& canvas);
bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace assets
