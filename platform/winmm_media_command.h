// The system's own media-control interface on Windows (winmm's
// mciSendStringA), with the same shape as the test programs' layer: a
// command text in, 0 or an error number out, a status reply written into the
// caller's buffer. Built on Windows only (platform/CMakeLists.txt); the
// differential test in tests/windows/ sends the same texts to both.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

int winmmMediaCommand(const std::string& command, char* reply, std::size_t replySize);

}  // namespace platform
