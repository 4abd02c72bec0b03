// A stand-in for the media-control layer: records every command text, and
// treats an alias as playing from its play command until the test ends it.
#pragma once

#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "testbench/media_command.h"

namespace demo_test {

class FakeMedia {
 public:
  FakeMedia() {
    testbench::SetMediaCommandFunction(
        [this](const std::string& command, char* reply, std::size_t size) { return answer(command, reply, size); });
  }
  ~FakeMedia() { testbench::SetMediaCommandFunction({}); }
  FakeMedia(const FakeMedia&) = delete;
  FakeMedia& operator=(const FakeMedia&) = delete;

  std::vector<std::string> commands;
  std::map<std::string, std::string> fileOfAlias;

  // Ends every alias open on the file, as if it had played to its end.
  void endFile(const std::string& file) {
    for (const auto& [alias, f] : fileOfAlias) {
      if (f == file) playing_[alias] = false;
    }
  }
  int count(const std::string& prefix) const {
    int n = 0;
    for (const std::string& c : commands) n += c.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
  }
  // Play commands sent to aliases open on the file.
  int playsOf(const std::string& file) const {
    int n = 0;
    for (const std::string& c : commands) {
      const std::string alias = word(c, 1);
      const auto found = fileOfAlias.find(alias);
      if (word(c, 0) == "play" && found != fileOfAlias.end() && found->second == file) ++n;
    }
    return n;
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
    if (verb == "open") {
      const std::size_t first = command.find('"');
      const std::size_t last = command.find('"', first + 1);
      fileOfAlias[command.substr(command.rfind(' ') + 1)] = command.substr(first + 1, last - first - 1);
    } else if (verb == "play") {
      playing_[word(command, 1)] = true;
    } else if (verb == "stop") {
      playing_[word(command, 1)] = false;
    } else if (verb == "status" && reply != nullptr && size > 0) {
      std::strncpy(reply, playing_[word(command, 1)] ? "playing" : "stopped", size);
    }
    return 0;
  }

  std::map<std::string, bool> playing_;
};

}  // namespace demo_test
