// The WAV and MP3 checks: whatever they accept must also be safe to hand to
// SDL's own WAV loader (which allocates what the header declares).
#include <SDL.h>

#include <cstdint>

#include "platform/sound_file_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)platform::mp3LooksSound(data, size);
  if (!platform::wavLooksSound(data, size)) return 0;
  SDL_AudioSpec spec;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(SDL_RWFromConstMem(data, static_cast<int>(size)), 1, &spec, &buffer, &length)) {
    SDL_FreeWAV(buffer);
  }
  return 0;
}
