// The operating system's own media-control string interface, where it has
// one (winmm's mciSendStringA on Windows), with the shape of the test
// programs' layer: a command text in, 0 or an error number out, a status
// reply written into the caller's buffer. `--media-control system` sends the
// demo programs' commands there; the differential test in tests/windows/
// sends the same texts to both.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

using SystemMediaCommand = int (*)(const std::string& command, char* reply, std::size_t replySize);

// The system's interface, or nullptr when the system has none.
SystemMediaCommand systemMediaCommand();

}  // namespace platform
