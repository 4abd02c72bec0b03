// Routing of command texts to the installed command function.
#include "testbench/media_command.h"

#include <utility>

#include "testbench/media_control.h"

namespace testbench {

namespace {

MediaCommandFunction& installedFunction() {
  static MediaCommandFunction function;
  return function;
}

}  // namespace

void SetMediaCommandFunction(MediaCommandFunction function) { installedFunction() = std::move(function); }

int SendMediaCommand(const std::string& command, char* reply, std::size_t replySize) {
  const MediaCommandFunction& function = installedFunction();
  if (function) return function(command, reply, replySize);
  return MediaCommand(command, reply, replySize);
}

}  // namespace testbench
