// One memcpy per iteration; the buffers are allocated once and touched
// first, so the first iterations do not pay for page faults.
#include "bench/memcpy_yardstick.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace bench {

void registerMemcpy(const std::string& name, std::size_t bytes) {
  benchmark::RegisterBenchmark(name.c_str(), [bytes](benchmark::State& state) {
    std::vector<unsigned char> from(bytes, 0x5A);
    std::vector<unsigned char> to(bytes, 0);
    for (auto _ : state) {
      std::memcpy(to.data(), from.data(), bytes);
      benchmark::DoNotOptimize(to.data());
      benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
  });
}

}  // namespace bench
