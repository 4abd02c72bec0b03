// The memcpy yardsticks for each blit size. "memcpy" is one bulk copy of the
// picture's bytes; "memcpy-rows" copies the same rows to the same place on
// the page, one memcpy per row, which is the least any blitter that walks
// rows of a page can do.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/bench_pictures.h"
#include "bench/memcpy_yardstick.h"

namespace {

void rowCopies(benchmark::State& state, bench::BlitSize size) {
  platform::Image page = bench::makePage();
  const platform::Image sprite = bench::makeSprite(size.width, size.height);
  const std::size_t rowBytes = static_cast<std::size_t>(size.width) * sizeof(platform::Colour);
  for (auto _ : state) {
    for (int row = 0; row < size.height; ++row) {
      std::memcpy(page.row(bench::blitY(size.height) + row) + bench::blitX(size.width), sprite.row(row), rowBytes);
    }
    benchmark::DoNotOptimize(page.pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size.width * size.height * 4);
}

const bool registered = [] {
  for (const auto& size : bench::kBlitSizes) {
    bench::registerMemcpy(std::string("memcpy/") + size.label,
                          static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height) * 4);
    benchmark::RegisterBenchmark((std::string("memcpy-rows/") + size.label).c_str(),
                                 [size](benchmark::State& s) { rowCopies(s, size); });
  }
  return true;
}();

}  // namespace
