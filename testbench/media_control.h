// The real media-control layer: plays sound files through SDL_mixer under
// the command texts of media_command_parser.h.
//
// Each alias is one device bound to one file and one mixer channel of its
// own, so several aliases on the same file sound at once; the mixer channels
// grow as aliases are opened. The decoded sound of a file is shared by all
// aliases open on it. "status NAME mode" answers "playing" while the alias's
// channel sounds and "stopped" otherwise; "status NAME length" answers the
// sound's length in whole milliseconds. A command that is not understood,
// names an unknown alias or cannot open its file answers an error number and
// changes nothing. The audio device is opened by the first "open".
#pragma once

#include <cstddef>
#include <string>

namespace testbench {

int MediaCommand(const std::string& command, char* reply, std::size_t replySize);

// Closes every alias and the audio device (a later "open" opens it again).
void MediaShutdown();

// Number of aliases currently open in the real layer.
std::size_t MediaOpenAliasCount();

}  // namespace testbench
