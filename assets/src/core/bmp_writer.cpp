#include "bmp_writer.h"

#include "gen_kit/bmp24.h"
#include "gen_kit/file_out.h"

namespace assets {

std::vector<std::uint8_t> encodeBmp24(const Canvas& canvas) {
  return gen_kit::encodeBmp24(canvas.width(), canvas.height(), canvas.pixels());
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  return gen_kit::writeFile(path, bytes);
}

}  // namespace assets
