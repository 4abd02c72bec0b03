// Checks of sound files before they reach SDL_mixer. SDL trusts the sizes a
// header declares and allocates them, so a damaged or hostile file is turned
// away here unless every size it declares fits the real file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// A RIFF/WAVE file with a PCM or float "fmt " chunk of sane values and a
// "data" chunk that lies inside the file.
bool wavLooksSound(const std::uint8_t* data, std::size_t size);
// An MP3 stream: an optional ID3v2 tag whose size fits the file, then a valid
// MPEG audio frame header.
bool mp3LooksSound(const std::uint8_t* data, std::size_t size);

// Reads the file and applies the check chosen by its extension (".wav" or
// ".mp3", any case). Files of other kinds are refused.
bool soundFileLooksSound(const std::string& path);

}  // namespace platform
