// The recording media layer of the tests.
#include "tests/support/recording_media.h"

#include <cstring>
#include <memory>
#include <sstream>

#include "testbench/media_command.h"

namespace test_support {

namespace {

std::string word(const std::string& command, int index) {
  std::istringstream in(command);
  std::string w;
  for (int i = 0; i <= index; ++i) {
    if (!(in >> w)) return "";
  }
  return w;
}

std::unique_ptr<platform::RecordingSoundDevice> newDevice(platform::RecordingSoundDevice*& keep) {
  auto device = std::make_unique<platform::RecordingSoundDevice>();
  keep = device.get();
  return device;
}

}  // namespace

RecordingMedia::RecordingMedia() : device_(nullptr), layer_(newDevice(device_)) {
  testbench::SetMediaCommandFunction(
      [this](const std::string& command, char* reply, std::size_t size) { return answer(command, reply, size); });
}

RecordingMedia::~RecordingMedia() { testbench::SetMediaCommandFunction({}); }

void RecordingMedia::end(const std::string& alias) { device_->finish(layer_.channelOf(alias)); }

void RecordingMedia::endFile(const std::string& file) {
  for (const auto& [alias, f] : fileOfAlias) {
    if (f == file) end(alias);
  }
}

std::vector<std::string> RecordingMedia::take() {
  std::vector<std::string> taken;
  taken.swap(commands);
  return taken;
}

int RecordingMedia::count(const std::string& prefix) const {
  int n = 0;
  for (const std::string& c : commands) n += c.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

int RecordingMedia::playsOf(const std::string& file) const {
  int n = 0;
  for (const std::string& c : commands) {
    const auto found = fileOfAlias.find(word(c, 1));
    if (word(c, 0) == "play" && found != fileOfAlias.end() && found->second == file) ++n;
  }
  return n;
}

int RecordingMedia::answer(const std::string& command, char* reply, std::size_t size) {
  commands.push_back(command);
  if (word(command, 0) == "status") replySizes.push_back(size);
  if (const auto scripted = scriptedReplies.find(command); scripted != scriptedReplies.end()) {
    if (reply != nullptr && size > 0) std::strncpy(reply, scripted->second.c_str(), size);
    return 0;
  }
  const int error = layer_.run(command, reply, size);
  if (error == 0 && word(command, 0) == "open") {
    const std::size_t first = command.find('"');
    const std::size_t last = command.find('"', first + 1);
    fileOfAlias[command.substr(command.rfind(' ') + 1)] = command.substr(first + 1, last - first - 1);
  }
  return error;
}

}  // namespace test_support
