// Each kernel build this CPU can run (baseline, SSE4.2, AVX2), called row by
// row on a 64x64 picture: shows what the vectorised builds buy over the
// portable one and whether the runtime choice picked the fastest.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_pictures.h"
#include "platform/blit_kernels.h"

namespace {

constexpr int kSide = 64;

void variantRows(benchmark::State& state, const platform::BlitKernels& kernels, bool blend) {
  platform::Image page = bench::makePage();
  const platform::Image sprite = bench::makeSprite(kSide, kSide);
  const unsigned weight = bench::kBlendAlpha + 1;
  for (auto _ : state) {
    for (int row = 0; row < kSide; ++row) {
      platform::Colour* out = page.row(bench::blitY(kSide) + row) + bench::blitX(kSide);
      if (blend) {
        kernels.blendRow(out, sprite.row(row), kSide, weight);
      } else {
        kernels.keyRow(out, sprite.row(row), kSide);
      }
    }
    benchmark::DoNotOptimize(page.pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kSide * kSide * 4);
}

const bool registered = [] {
  for (const platform::BlitKernels& k : platform::availableBlitKernels()) {
    for (const bool blend : {false, true}) {
      const std::string name = std::string("kernel/") + (blend ? "blend" : "key") + "/64x64/" + k.name;
      benchmark::RegisterBenchmark(name.c_str(), [&k, blend](benchmark::State& s) { variantRows(s, k, blend); });
    }
  }
  return true;
}();

}  // namespace
