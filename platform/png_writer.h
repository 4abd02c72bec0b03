// Writes an image as a PNG file (8-bit RGB, no alpha), for screenshots.
#pragma once

#include <string>

#include "platform/image.h"

namespace platform {

bool savePng(const Image& image, const std::string& path);
// The PNG bytes of an image; zlib "stored" blocks keep the encoder tiny.
std::string encodePng(const Image& image);

}  // namespace platform
