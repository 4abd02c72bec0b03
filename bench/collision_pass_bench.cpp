// The collision pass alone, PER PIXEL, on the same full pools as the playing
// frame: the player against 100 surface units, 100 aircraft, 100 pickups and
// 100 enemy shots, and 100 player shots against every unit. Its share of the
// playing frame should stay under 5%.
#include <benchmark/benchmark.h>

#include "bench/full_pools.h"
#include "shooter/game/collisions.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_state.h"

namespace {

using namespace shooter;

void BM_CollisionPassFullPools(benchmark::State& state) {
  bench::setUpFullGame();
  const bench::PoolSnapshot full = bench::fillPools();
  int hitsLeft = 0;
  for (auto _ : state) {
    state.PauseTiming();
    bench::restore(full);  // hits free shots and units; every pass starts full
    gameContext.now += 0.02;
    state.ResumeTiming();
    collisionPass();
    benchmark::ClobberMemory();
  }
  hitsLeft = shots.liveCount();
  // The pass must really have found hits, or it measured an empty loop.
  state.counters["shots_left"] = hitsLeft;
  if (hitsLeft >= 200) state.SkipWithError("the collision pass freed no shot");
  bench::tearDownFullGame();
}
BENCHMARK(BM_CollisionPassFullPools)->Name("game/collision_pass")->Unit(benchmark::kMicrosecond);

}  // namespace
