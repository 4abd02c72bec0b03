// winmm's string interface to its media devices.
#include <windows.h>
#include <mmsystem.h>

#include "platform/winmm_media_command.h"

namespace platform {

int winmmMediaCommand(const std::string& command, char* reply, std::size_t replySize) {
  if (reply != nullptr && replySize > 0) reply[0] = '\0';
  return static_cast<int>(::mciSendStringA(command.c_str(), reply, static_cast<UINT>(replySize), nullptr));
}

}  // namespace platform
