// The real media-control layer: plays sound files on a platform sound device
// under the command texts of media_command_parser.h.
//
// Each alias is one device bound to one file and one channel of its own, so
// several aliases on the same file sound at once; the channels grow as
// aliases are opened. The decoded sound of a file is shared by all aliases
// open on it. "status NAME mode" answers "playing" while the alias's channel
// sounds and "stopped" otherwise; "status NAME length" answers the sound's
// length in whole milliseconds. A command that is not understood, names an
// unknown alias or cannot open its file answers an error number and changes
// nothing. The sound device is opened by the first "open".
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/sound_device.h"

namespace testbench {

class MediaControl {
 public:
  // The layer takes the device over; it is opened by the first "open" and
  // closed when the layer is destroyed.
  explicit MediaControl(std::unique_ptr<platform::SoundDevice> device);
  ~MediaControl();
  MediaControl(const MediaControl&) = delete;
  MediaControl& operator=(const MediaControl&) = delete;

  // One command text; 0 or an error number (media_command.h).
  int run(const std::string& command, char* reply, std::size_t replySize);

  // Number of aliases open now.
  std::size_t aliasCount() const;
  // The device channel of an alias, -1 when none is open under that name.
  int channelOf(std::string_view alias) const;
  platform::SoundDevice& device();

 private:
  class Aliases;
  std::unique_ptr<Aliases> aliases_;
};

// The process's own layer, on the build's sound device, created by the
// first command.
int MediaCommand(const std::string& command, char* reply, std::size_t replySize);

// Closes every alias and the audio device (a later "open" opens it again).
void MediaShutdown();

// Number of aliases currently open in the process's layer.
std::size_t MediaOpenAliasCount();

}  // namespace testbench
