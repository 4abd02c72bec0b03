// The sound device both sound layers are written against: the game's sound
// bank and the demo programs' media-control layer. One implementation plays
// through SDL_mixer, one (for tests and silent runs) has no device and
// records what it was asked, and the browser build has one over Web Audio.
//
// Channels are numbered from 0. A program asks for as many as it needs when
// it opens the device and may grow them later; sounds are loaded once and
// played on any number of channels at once. Every call is made from the
// program's single thread.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace platform {

// A handle to a loaded sound: 0 is "no sound", so a failed load can be kept
// and played without a check (playing it does nothing).
using SoundId = int;
inline constexpr SoundId kNoSound = 0;

// Play on the first free channel.
inline constexpr int kAnyChannel = -1;
// Loop count for play(): repeat until halted.
inline constexpr int kLoopForever = -1;
// Volume of a channel: 0 (silent) to kFullVolume, which new channels start at.
inline constexpr int kFullVolume = 128;

// What open() asks for. The output is always stereo 16-bit; the buffer is
// a request a device may round or ignore (a larger one is steadier, a
// smaller one answers sooner).
struct SoundOutput {
  int channels = 16;        // mixing channels, numbered from 0
  int rate = 44100;         // output frames a second
  int bufferFrames = 1024;  // frames the device asks for at a time
};

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;

  // Called by a sound layer before its first load: opens the output with
  // `output.channels` channels (an open device keeps its output and only
  // grows its channels). False when there is no usable output; the layer
  // then runs silent, and every later call is harmless.
  virtual bool open(const SoundOutput& output) = 0;
  // Called at the layer's shutdown: halts every channel, frees every sound
  // and closes the output. open() may be called again afterwards.
  virtual void close() = 0;
  virtual bool isOpen() const = 0;

  // The number of channels now (0 when closed); growChannels() raises it
  // (never lowers it) and returns the count it got. Called by the
  // media-control layer, which gives every alias a channel of its own.
  virtual int channelCount() const = 0;
  virtual int growChannels(int channels) = 0;

  // Loads a WAV, MP3 or OGG file. Files are read whole, up to a size limit,
  // and decoded from memory, so no header can make the decoder read past the
  // file (platform/sound_file_check.h). kNoSound when the device is closed
  // or the file is missing, too large or cannot be decoded.
  virtual SoundId load(const std::string& path) = 0;
  // Frees a sound; channels playing it are halted first.
  virtual void unload(SoundId sound) = 0;
  // The sound's length in milliseconds at its own rate; 0 for kNoSound.
  virtual long lengthMs(SoundId sound) const = 0;

  // Plays the sound on `channel` (kAnyChannel: the first free one), from its
  // start, `loops` more times after the first (kLoopForever: until halted);
  // a sound already on that channel is cut off. Returns the channel used,
  // or -1 when nothing plays (kNoSound, no free channel, no such channel).
  virtual int play(SoundId sound, int channel, int loops) = 0;
  // Halts one channel, or every channel when `channel` is kAnyChannel.
  virtual void halt(int channel) = 0;
  // Volume 0..kFullVolume (clamped) of one channel, or of every channel
  // there is now for kAnyChannel; channels grown later start at full volume.
  virtual void setVolume(int channel, int volume) = 0;
  // Whether the channel sounds (kAnyChannel: whether any does); false for a
  // channel that does not exist.
  virtual bool isPlaying(int channel) const = 0;
};

// The device of this build: SDL_mixer on the desktop, Web Audio in the
// browser. Called by a sound layer when it first needs one.
std::unique_ptr<SoundDevice> makeSoundDevice();

// A device with no output, for runs that must stay silent: the recording
// device of platform/recording_sound_device.h, keeping no record.
std::unique_ptr<SoundDevice> makeSilentSoundDevice();

}  // namespace platform
