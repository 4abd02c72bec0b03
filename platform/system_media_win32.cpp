// winmm's string interface to the system's media devices.
#include <windows.h>
#include <mmsystem.h>

#include "platform/system_media.h"

namespace platform {

namespace {

int winmmCommand(const std::string& command, char* reply, std::size_t replySize) {
  if (reply != nullptr && replySize > 0) reply[0] = '\0';
  return static_cast<int>(::mciSendStringA(command.c_str(), reply, static_cast<UINT>(replySize), nullptr));
}

}  // namespace

SystemMediaCommand systemMediaCommand() { return &winmmCommand; }

}  // namespace platform
