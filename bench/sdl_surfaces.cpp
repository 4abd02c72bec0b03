// Wrapping images as SDL surfaces.
#include "bench/sdl_surfaces.h"

#include <cstdio>
#include <cstdlib>

namespace bench {

Surface wrapImage(platform::Image& image) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(image.pixels.data(), image.width, image.height, 32,
                                                      image.width * 4, SDL_PIXELFORMAT_RGB888);
  if (!s) {
    std::fprintf(stderr, "SDL_CreateRGBSurfaceWithFormatFrom: %s\n", SDL_GetError());
    std::exit(1);
  }
  return Surface(s);
}

void configure(SDL_Surface* surface, SdlMode mode, int alpha) {
  const Uint32 magenta = SDL_MapRGB(surface->format, 255, 0, 255);
  SDL_SetColorKey(surface, mode == SdlMode::Opaque ? SDL_FALSE : SDL_TRUE, magenta);
  SDL_SetSurfaceAlphaMod(surface, mode == SdlMode::KeyAlphaMod ? static_cast<Uint8>(alpha) : Uint8{255});
  SDL_SetSurfaceBlendMode(surface, mode == SdlMode::KeyAlphaMod ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
}

}  // namespace bench
