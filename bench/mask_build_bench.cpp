// The collision mask built at start-up from the 1024x768 sprite sheet, against
// a memcpy of the sheet's bytes.
#include <benchmark/benchmark.h>

#include "bench/full_pools.h"
#include "bench/memcpy_yardstick.h"
#include "shooter/resources/sprite_sheet.h"

namespace {

void BM_CollisionMaskBuild(benchmark::State& state) {
  bench::setUpFullGame();  // the bench sheet: ellipses on magenta
  for (auto _ : state) {
    shooter::buildCollisionMask();
    benchmark::DoNotOptimize(shooter::collisionMask.data());
    benchmark::ClobberMemory();
  }
  std::size_t solid = 0;
  for (const auto m : shooter::collisionMask) solid += m;
  state.counters["solid_pixels"] = static_cast<double>(solid);
  if (solid == 0) state.SkipWithError("the mask has no solid pixel");
  bench::tearDownFullGame();
}
BENCHMARK(BM_CollisionMaskBuild)->Name("startup/mask_build")->Unit(benchmark::kMicrosecond);

const bool registered = [] {
  bench::registerMemcpy("memcpy/sheet", static_cast<std::size_t>(shooter::kSheetWidth) * shooter::kSheetHeight * 4);
  return true;
}();

}  // namespace
