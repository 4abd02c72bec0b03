// Our drawImage in each drawing mode at each size, onto a 640x480 page:
// clipping, row loop and the kernels the CPU selected, as the game calls it.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_pictures.h"
#include "platform/image.h"

namespace {

using platform::DrawMode;

void ourBlit(benchmark::State& state, DrawMode mode, bench::BlitSize size) {
  platform::Image page = bench::makePage();
  const platform::Image sprite = bench::makeSprite(size.width, size.height);
  const int x = bench::blitX(size.width);
  const int y = bench::blitY(size.height);
  for (auto _ : state) {
    platform::drawImage(page, x, y, sprite, mode, bench::kBlendAlpha);
    benchmark::DoNotOptimize(page.pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size.width * size.height * 4);
}

const bool registered = [] {
  const std::pair<DrawMode, const char*> modes[] = {
      {DrawMode::Opaque, "opaque"}, {DrawMode::Transparent, "key"}, {DrawMode::Blend, "blend"}};
  for (const auto& [mode, modeName] : modes) {
    for (const auto& size : bench::kBlitSizes) {
      const std::string name = std::string("blit/") + modeName + "/" + size.label + "/ours";
      benchmark::RegisterBenchmark(name.c_str(), [mode, size](benchmark::State& s) { ourBlit(s, mode, size); });
    }
  }
  return true;
}();

}  // namespace
