// A whole 640x480 frame composed from one sheet: 300 opaque 32x32 tiles
// covering the screen, then 500 transparent 32x32 sprites over them. Ours
// (drawImage), SDL_BlitSurface on the same sheet and page, and a bulk memcpy
// of the same 3.2 MB.
#include <benchmark/benchmark.h>

#include "bench/bench_pictures.h"
#include "bench/memcpy_yardstick.h"
#include "bench/sdl_surfaces.h"

namespace {

using bench::kCellSize;

void composeOurs(benchmark::State& state) {
  const bench::ComposeScene scene = bench::makeComposeScene();
  platform::Image page = bench::makePage();
  for (auto _ : state) {
    for (const auto& t : scene.tiles) {
      platform::drawImage(page, t.x, t.y, scene.sheet, t.sx, t.sy, t.sx + kCellSize - 1, t.sy + kCellSize - 1,
                          platform::DrawMode::Opaque);
    }
    for (const auto& s : scene.sprites) {
      platform::drawImage(page, s.x, s.y, scene.sheet, s.sx, s.sy, s.sx + kCellSize - 1, s.sy + kCellSize - 1,
                          platform::DrawMode::Transparent);
    }
    benchmark::DoNotOptimize(page.pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bench::kComposeBytes));
}
BENCHMARK(composeOurs)->Name("compose/frame/ours");

void composeSdl(benchmark::State& state) {
  bench::ComposeScene scene = bench::makeComposeScene();
  platform::Image page = bench::makePage();
  const bench::Surface dst = bench::wrapImage(page);
  // Two views of the one sheet: tiles are copied, sprites keyed.
  const bench::Surface tiles = bench::wrapImage(scene.sheet);
  const bench::Surface sprites = bench::wrapImage(scene.sheet);
  bench::configure(tiles.get(), bench::SdlMode::Opaque, 255);
  bench::configure(sprites.get(), bench::SdlMode::Key, 255);
  for (auto _ : state) {
    for (const auto& t : scene.tiles) {
      SDL_Rect from{t.sx, t.sy, kCellSize, kCellSize};
      SDL_Rect to{t.x, t.y, 0, 0};
      SDL_BlitSurface(tiles.get(), &from, dst.get(), &to);
    }
    for (const auto& s : scene.sprites) {
      SDL_Rect from{s.sx, s.sy, kCellSize, kCellSize};
      SDL_Rect to{s.x, s.y, 0, 0};
      SDL_BlitSurface(sprites.get(), &from, dst.get(), &to);
    }
    benchmark::DoNotOptimize(page.pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bench::kComposeBytes));
}
BENCHMARK(composeSdl)->Name("compose/frame/sdl");

const bool registered = [] {
  bench::registerMemcpy("compose/frame/memcpy", bench::kComposeBytes);
  return true;
}();

}  // namespace
