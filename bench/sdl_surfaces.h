// SDL surfaces that share the pixels of our images, in the window's native
// format (XRGB8888, which is the same word layout as our pages), so that
// SDL_BlitSurface is timed on exactly the pixels our blitter sees.
#pragma once

#include <SDL.h>

#include <memory>

#include "platform/image.h"

namespace bench {

struct SurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

// The image must outlive the surface; no pixel is copied.
Surface wrapImage(platform::Image& image);

enum class SdlMode {
  Opaque,        // no key, no blending: SDL's plain copy
  Key,           // magenta colour key
  KeyAlphaMod,   // magenta colour key with SDL_SetSurfaceAlphaMod (constant opacity)
};
// Sets the surface's key, blend mode and alpha mod for one mode.
void configure(SDL_Surface* surface, SdlMode mode, int alpha);

}  // namespace bench
