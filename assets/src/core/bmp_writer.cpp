#include "bmp_writer.h"

#include "media_kit/bmp24.h"
#include "media_kit/file_out.h"

namespace assets {

std::vector<std::uint8_t> encodeBmp24(const Canvas& canvas) {
  return media_kit::encodeBmp24(canvas.width(), canvas.height(), canvas.pixels());
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  return media_kit::writeFile(path, bytes);
}

}  // namespace assets
