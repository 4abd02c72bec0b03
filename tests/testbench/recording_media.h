// A stand-in for the media-control layer that records every command text
// and plays the part of the devices: an alias is "playing" from its play
// command until the test ends it or a stop arrives.
#pragma once

#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "testbench/media_command.h"

namespace testbench_test {

class RecordingMedia {
 public:
  RecordingMedia() {
    testbench::SetMediaCommandFunction(
        [this](const std::string& command, char* reply, std::size_t size) { return answer(command, reply, size); });
  }
  ~RecordingMedia() { testbench::SetMediaCommandFunction({}); }
  RecordingMedia(const RecordingMedia&) = delete;
  RecordingMedia& operator=(const RecordingMedia&) = delete;

  std::vector<std::string> commands;
  std::vector<std::size_t> replySizes;     // offered sizes of status queries
  std::map<std::string, std::string> mode;  // alias -> mode reply
  std::map<std::string, std::string> length;
  std::set<std::string> failingFiles;  // opens naming these answer an error
  std::set<std::string> opened;        // aliases whose open succeeded

  void end(const std::string& alias) { mode[alias] = "stopped"; }
  std::vector<std::string> take() {
    std::vector<std::string> taken;
    taken.swap(commands);
    return taken;
  }

 private:
  static std::string word(const std::string& command, int index) {
    std::istringstream in(command);
    std::string w;
    for (int i = 0; i <= index; ++i) {
      if (!(in >> w)) return "";
    }
    return w;
  }

  int answer(const std::string& command, char* reply, std::size_t size) {
    commands.push_back(command);
    const std::string verb = word(command, 0);
    const std::string alias = word(command, 1);
    if (verb == "open") {
      for (const std::string& f : failingFiles) {
        if (command.find("\"" + f + "\"") != std::string::npos) return 275;
      }
      opened.insert(command.substr(command.rfind(' ') + 1));
    } else if (verb == "play") {
      if (opened.count(alias) != 0) mode[alias] = "playing";
    } else if (verb == "stop") {
      mode[alias] = "stopped";
    } else if (verb == "status") {
      replySizes.push_back(size);
      const auto& table = word(command, 2) == "length" ? length : mode;
      const auto found = table.find(alias);
      if (found != table.end() && reply != nullptr) std::strncpy(reply, found->second.c_str(), size);
    }
    return 0;
  }
};

}  // namespace testbench_test
