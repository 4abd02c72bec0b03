// The memcpy yardstick for each blit size: the bytes of the blitted picture.
#include "bench/bench_pictures.h"
#include "bench/memcpy_yardstick.h"

namespace {

const bool registered = [] {
  for (const auto& size : bench::kBlitSizes) {
    bench::registerMemcpy(std::string("memcpy/") + size.label,
                          static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height) * 4);
  }
  return true;
}();

}  // namespace
