// Showing one 640x480 page through the SDL backend on SDL's dummy video
// driver (no display needed), against a memcpy of one frame. The backend
// copies the page once into its streaming texture; everything after that is
// SDL's renderer.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "bench/bench_pictures.h"
#include "bench/memcpy_yardstick.h"
#include "platform/backend.h"
#include "platform/run_options.h"
#include "platform/backends/sdl/sdl_backend.h"
#include "platform/system.h"

namespace {

void BM_PresentDummyDriver(benchmark::State& state) {
  platform::system::setEnvironmentDefault("SDL_VIDEODRIVER", "dummy");  // never open a real window from a benchmark
  platform::RunOptions options;
  options.scale = 1;
  std::string error;
  auto backend = platform::makeSdlBackend(options, error);
  if (!backend) {
    state.SkipWithError(("the SDL backend did not start: " + error).c_str());
    return;
  }
  if (!backend->openWindow(bench::kPageWidth, bench::kPageHeight, false, "present bench")) {
    state.SkipWithError("the SDL backend could not open its window");
    return;
  }
  const platform::Image page = bench::makePage();
  for (auto _ : state) {
    backend->present(page);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bench::kPageWidth * bench::kPageHeight * 4);
  backend->closeWindow();
}
BENCHMARK(BM_PresentDummyDriver)->Name("present/dummy/ours")->Unit(benchmark::kMicrosecond);

const bool registered = [] {
  bench::registerMemcpy("present/dummy/memcpy",
                        static_cast<std::size_t>(bench::kPageWidth) * bench::kPageHeight * 4);
  return true;
}();

}  // namespace
