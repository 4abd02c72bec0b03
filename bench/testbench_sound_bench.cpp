// The sound channels' per-channel status walks over a full table of 4096
// open channels, on the real media-control layer (SDL_mixer, dummy audio
// driver unless SDL_AUDIODRIVER says otherwise). Target: a whole
// SoundChannelFor walk in under 0.5 ms.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "testbench/media_command.h"
#include "testbench/media_control.h"
#include "testbench/sound_channels.h"
#include "platform/system.h"

namespace {

void put32(std::ofstream& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// 10 ms of silence, 16-bit mono at 22050 Hz.
std::string writeShortWav() {
  const std::string path = "testbench_bench_click.wav";
  const std::uint32_t samples = 220;
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  put32(out, 36 + samples * 2);
  out.write("WAVEfmt ", 8);
  put32(out, 16);
  put32(out, 1u | (1u << 16));  // PCM, mono
  put32(out, 22050);
  put32(out, 22050 * 2);
  put32(out, 2u | (16u << 16));  // block align, bits
  out.write("data", 4);
  put32(out, samples * 2);
  for (std::uint32_t i = 0; i < samples * 2; ++i) out.put('\0');
  return path;
}

// Opens every one of the 4096 channels on one file, once per process.
const std::string& fullTable() {
  static const std::string file = [] {
    platform::system::setEnvironmentDefault("SDL_AUDIODRIVER", "dummy");
    const std::string path = writeShortWav();
    testbench::SetMediaCommandFunction({});
    testbench::SoundInit();
    for (std::int32_t i = 0; i < testbench::kSoundChannelSlots; ++i) testbench::SoundOpen(path);
    return path;
  }();
  return file;
}

// Another file: every channel is queried, none matches, and the full table
// opens nothing, so each call is one whole walk.
void BM_SoundChannelForWalk4096(benchmark::State& state) {
  fullTable();
  if (testbench::MediaOpenAliasCount() != static_cast<std::size_t>(testbench::kSoundChannelSlots)) {
    state.SkipWithError("the media-control layer could not open 4096 channels");
    return;
  }
  const std::string other = "not_open.wav";
  for (auto _ : state) benchmark::DoNotOptimize(testbench::SoundChannelFor(other));
  state.SetItemsProcessed(state.iterations() * testbench::kSoundChannelSlots);
}
BENCHMARK(BM_SoundChannelForWalk4096)->Unit(benchmark::kMicrosecond);

void BM_SoundServiceLoops4096(benchmark::State& state) {
  fullTable();
  for (auto _ : state) testbench::SoundServiceLoops();
  state.SetItemsProcessed(state.iterations() * testbench::kSoundChannelSlots);
}
BENCHMARK(BM_SoundServiceLoops4096)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
