// One complete playing frame at 640x480 with every pool full and on screen:
// movement, culling, drawing, the HUD and a PER PIXEL collision pass. The
// budget at 50 FPS is 20 ms; the target is 0.5 ms.
#include <benchmark/benchmark.h>

#include "bench/full_pools.h"
#include "platform/platform.h"
#include "shooter/game/game.h"
#include "shooter/game/game_context.h"

namespace {

using namespace shooter;

void BM_PlayingFrameFullPools(benchmark::State& state) {
  bench::setUpFullGame();
  const bench::PoolSnapshot full = bench::fillPools();
  for (auto _ : state) {
    state.PauseTiming();
    bench::restore(full);
    gameContext.now += 0.02;  // 50 FPS: the 0.1 s tick falls on every fifth frame
    state.ResumeTiming();
    double lastKeyTime = 0.0;
    playingFrame(false, lastKeyTime);
    benchmark::DoNotOptimize(platform::workPage().pixels.data());
  }
  state.counters["live_after"] = surfaceUnits.liveCount() + aircraft.liveCount() + shots.liveCount() +
                                 explosions.liveCount() + pickups.liveCount();
  bench::tearDownFullGame();
}
BENCHMARK(BM_PlayingFrameFullPools)->Name("game/playing_frame")->Unit(benchmark::kMicrosecond);

}  // namespace
