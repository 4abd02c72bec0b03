// Numbered sound channels over media-control command texts. Each channel is
// an open media-control device (alias "1", "2", ...) bound to one file;
// a file that is still sounding gets a further channel, so plays overlap.
// Channels are numbered in opening order and never reused or renumbered.
// Yes/no answers are the texts "YES" and "NO".
#pragma once

#include <cstdint>
#include <string>

namespace testbench {

inline constexpr std::int32_t kSoundChannelSlots = 4096;

// Empties the channel table (program start-up; tests).
void SoundInit();
// The number of the most recently opened channel.
std::int32_t SoundChannelCount();

// Opens a new channel on the file. Once all 4096 slots are taken nothing is
// sent and no channel is opened.
void SoundOpen(const std::string& file);
// The alias of the first channel on the file that is not playing, else of a
// newly opened one; "" when none is idle and the table is full.
std::string SoundChannelFor(const std::string& file);
// Plays the file from its start on the channel SoundChannelFor picks.
void SoundPlay(const std::string& file);
// Marks the channel SoundChannelFor picks to be restarted whenever it stops.
void SoundMarkLoop(const std::string& file);
// Restarts every looping channel that has stopped (once per frame).
void SoundServiceLoops();
// Status of the first channel opened on the file.
std::string SoundIsPlayingFile(const std::string& file);
// Status of the first channel whose alias equals the text.
std::string SoundIsPlayingChannel(const std::string& alias);
// Stops every channel on the file and clears their loop marks.
void SoundStopFile(const std::string& file);
// Stops the first playing channel on the file and clears its loop mark.
void SoundStopOnePlaying(const std::string& file);
// Length in seconds of the first channel opened on the file; 0 when none.
double SoundLength(const std::string& file);
// Sends "close " + alias for every slot 1 to 4096 (never-opened slots give
// "close " alone). The table is left as it is.
void SoundCloseAll();

}  // namespace testbench
