// The media layer as the tests see it: every command text is recorded, then
// run by the real media-control layer on the recording sound device, so
// replies, error numbers and channels are the real layer's and only the
// sound is missing. A sound plays from its play command until a stop, a
// close or the test ends it.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/recording_sound_device.h"
#include "testbench/media_control.h"

namespace test_support {

class RecordingMedia {
 public:
  // Installs itself as the media command function until destroyed.
  RecordingMedia();
  ~RecordingMedia();
  RecordingMedia(const RecordingMedia&) = delete;
  RecordingMedia& operator=(const RecordingMedia&) = delete;

  std::vector<std::string> commands;   // every command text, in order
  std::vector<std::size_t> replySizes;  // the reply sizes status queries offered
  // The alias -> file of every open that succeeded.
  std::map<std::string, std::string> fileOfAlias;
  // Replies given in place of the layer's to these exact command texts, for
  // tests of how the routines read replies the layer never gives.
  std::map<std::string, std::string> scriptedReplies;

  // Opens of the file answer an error, as for a missing file.
  void refuseFile(const std::string& file) { device_->refuseFile(file); }
  // The length "status NAME length" answers for the file's aliases.
  void setLength(const std::string& file, long ms) { device_->setLength(file, ms); }
  // The alias's sound ends, as if it had played to its end.
  void end(const std::string& alias);
  // Ends every alias open on the file.
  void endFile(const std::string& file);

  // The commands so far, emptying the record.
  std::vector<std::string> take();
  // Commands beginning with the text.
  int count(const std::string& prefix) const;
  // Play commands sent to aliases open on the file.
  int playsOf(const std::string& file) const;

  testbench::MediaControl& layer() { return layer_; }
  platform::RecordingSoundDevice& device() { return *device_; }

 private:
  int answer(const std::string& command, char* reply, std::size_t size);

  platform::RecordingSoundDevice* device_;  // owned by layer_
  testbench::MediaControl layer_;
};

}  // namespace test_support
