// Sound files on their way to SDL_mixer: whatever prepareSoundForDecoding
// lets through is decoded and converted to a 44100 Hz output from memory, as
// the sound device does, so a header that could make SDL allocate far more
// than the file holds shows up as an out-of-memory report (-malloc_limit_mb).
// MP3 and OGG streams are only told apart here: their decoders are not ours.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/sound_file_check.h"
#include "platform/system.h"

namespace {

bool openOutput() {
  platform::system::setEnvironmentVariable("SDL_AUDIODRIVER", "dummy");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  return Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool opened = openOutput();
  (void)platform::mp3LooksSound(data, size);
  std::vector<std::uint8_t> bytes(data, data + size);
  if (!platform::prepareSoundForDecoding(bytes)) return 0;
  if (platform::soundKindOf(bytes.data(), bytes.size()) != platform::SoundKind::Wav || !opened) return 0;
  if (Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1)) {
    Mix_FreeChunk(chunk);
  }
  return 0;
}
