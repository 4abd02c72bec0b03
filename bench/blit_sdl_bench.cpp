// SDL_BlitSurface on the same pictures and page: plain copy, magenta colour
// key, and colour key with a constant alpha mod (SDL's nearest match to our
// blend mode).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_pictures.h"
#include "bench/sdl_surfaces.h"

namespace {

void sdlBlit(benchmark::State& state, bench::SdlMode mode, bench::BlitSize size) {
  platform::Image page = bench::makePage();
  platform::Image sprite = bench::makeSprite(size.width, size.height);
  const bench::Surface dst = bench::wrapImage(page);
  const bench::Surface src = bench::wrapImage(sprite);
  bench::configure(src.get(), mode, bench::kBlendAlpha);
  const int x = bench::blitX(size.width);
  const int y = bench::blitY(size.height);
  for (auto _ : state) {
    SDL_Rect at{x, y, 0, 0};  // SDL writes the clipped rectangle back
    if (SDL_BlitSurface(src.get(), nullptr, dst.get(), &at) != 0) {
      state.SkipWithError(SDL_GetError());
      break;
    }
    benchmark::DoNotOptimize(page.pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size.width * size.height * 4);
}

const bool registered = [] {
  const std::pair<bench::SdlMode, const char*> modes[] = {
      {bench::SdlMode::Opaque, "opaque"}, {bench::SdlMode::Key, "key"}, {bench::SdlMode::KeyAlphaMod, "blend"}};
  for (const auto& [mode, modeName] : modes) {
    for (const auto& size : bench::kBlitSizes) {
      const std::string name = std::string("blit/") + modeName + "/" + size.label + "/sdl";
      benchmark::RegisterBenchmark(name.c_str(), [mode, size](benchmark::State& s) { sdlBlit(s, mode, size); });
    }
  }
  return true;
}();

}  // namespace
