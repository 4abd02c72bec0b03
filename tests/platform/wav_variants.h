// WAV files in the codings SDL_mixer plays beyond plain PCM, made from the
// 16-bit mono PCM the asset generator writes: µ-law, A-law, IMA ADPCM and
// WAVE_FORMAT_EXTENSIBLE, each a whole file as bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform_test {

struct Pcm16 {
  int rate = 0;
  std::vector<std::int16_t> samples;  // mono
};

// The samples of a 16-bit mono PCM WAV file; nullopt for anything else.
std::optional<Pcm16> readPcm16Mono(const std::string& bytes);

std::string encodeMuLaw(const Pcm16& pcm);
std::string encodeALaw(const Pcm16& pcm);
// Blocks of 256 bytes, 505 samples each, with a "fact" chunk.
std::string encodeImaAdpcm(const Pcm16& pcm);
// 16-bit PCM under the extensible format tag, with the PCM sub-format.
std::string encodeExtensible(const Pcm16& pcm);

}  // namespace platform_test
