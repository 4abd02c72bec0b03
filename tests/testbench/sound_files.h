// Test sounds made on the spot: a sine tone written as a 16-bit mono WAV
// file, and (where LAME is available) the same tone encoded as an MP3 file.
#pragma once

#include <string>

namespace testbench_test {

inline constexpr int kToneRate = 44100;

// Writes `milliseconds` of a 440 Hz tone; returns false when the file
// cannot be written.
bool WriteToneWav(const std::string& path, int milliseconds);
bool WriteToneMp3(const std::string& path, int milliseconds);

}  // namespace testbench_test
