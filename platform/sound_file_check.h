// Sound files made safe for a decoder that believes their headers. SDL's
// WAV loader allocates the sizes a header declares, and SDL_mixer resamples
// a sound to the output rate, so a damaged or hostile header could make it
// allocate gigabytes from a file of a few bytes. The file is therefore read
// whole (up to kMaxFileBytes) and handed to the decoder from memory, after
// every size it declares has been cut to the bytes really there. What the
// decoder can check itself (the coding, block alignment, bit depth) is left
// to it: it refuses what it cannot play.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The kinds the sound devices decode, told by the file's first bytes.
enum class SoundKind : std::uint8_t { Unknown, Wav, Mp3, Ogg };
SoundKind soundKindOf(const std::uint8_t* data, std::size_t size);

// The most a WAV file's sound may take once decoded and resampled to the
// output (estimated at 48000 stereo frames a second of 8 bytes each, the
// converter's working size): about five minutes. A very low declared sample
// rate would otherwise multiply a small file many thousand times.
inline constexpr std::uint64_t kMaxDecodedSoundBytes = 128ull * 1024 * 1024;

// Makes a RIFF/WAVE image in `bytes` safe to decode: the RIFF size and every
// chunk that declares more bytes than the file holds are cut to what is
// there, so a slightly short file plays what it has. False (the file is
// refused) when it is not RIFF/WAVE, has no "fmt " chunk of at least 16 bytes
// or no "data" chunk, declares no channels or no sample rate, or would
// decode larger than kMaxDecodedSoundBytes.
bool fitWavToItsBytes(std::vector<std::uint8_t>& bytes);

// A WAV after fitWavToItsBytes; an MP3 (an ID3v2 tag or an MPEG frame sync
// first) or an OGG stream as it is. False for anything else.
bool prepareSoundForDecoding(std::vector<std::uint8_t>& bytes);

// Reads the file and prepares it; nullopt when it is missing, larger than
// kMaxFileBytes or refused.
std::optional<std::vector<std::uint8_t>> readSoundForDecoding(const std::string& path);
// The same as a yes/no, for the checks of generated files.
bool soundFileLooksSound(const std::string& path);

// Whether fitWavToItsBytes would accept a copy of the bytes.
bool wavLooksSound(const std::uint8_t* data, std::size_t size);
// A stricter check of generated MP3 files: an optional ID3v2 tag whose size
// fits the file, then a valid MPEG audio frame header.
bool mp3LooksSound(const std::uint8_t* data, std::size_t size);

}  // namespace platform
