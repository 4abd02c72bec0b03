// BMP loading into a pre-sized image, as the programs do: the first byte
// picks the image's size, the rest is the file.
#include <cstdint>
#include <cstdlib>

#include "platform/image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static const int kSides[4] = {1, 7, 64, 300};
  platform::Image image = platform::createImage(kSides[data[0] & 3], kSides[(data[0] >> 2) & 3], 0x12345678u);
  const std::size_t pixels = image.pixels.size();
  platform::decodeBmp(image, data + 1, size - 1);
  if (image.pixels.size() != pixels) std::abort();  // the image is never resized
  return 0;
}
