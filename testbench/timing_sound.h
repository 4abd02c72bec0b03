// The timing test's older form of the sound channels: one channel per file,
// aliases "SPMCIPS0000" to "SPMCIPS4095", files matched by their upper-cased,
// trimmed names, so replaying a file restarts its one channel.
#pragma once

#include <cstdint>
#include <string>

namespace testbench::timing {

inline constexpr std::int32_t kSoundSlots = 4096;  // slots 0..4095

// The music file the program has started, "NO SONG" when none. The routines
// below leave it alone; the program sets it and resets it at exit.
extern std::string CurrentSong;

// Empties every slot and sets CurrentSong to "NO SONG".
void SoundInit();
// "SPMCIPS" + the slot number in four zero-padded digits.
std::string SoundAlias(std::int32_t slot);
// Plays the file from its start on its own channel (the layer is sent the
// trimmed name in the caller's letter case), opening one in the first
// free slot (slot 4095 when none is free) if needed. Returns 1 when that open
// fails (nothing is played), else 0.
int SoundPlay(const std::string& file);
// Stops the file's channel; nothing is sent for a file without one.
void SoundStop(const std::string& file);
// Sends "close " + alias for every slot 0..4095, used or not.
void SoundCloseAll();

}  // namespace testbench::timing
