// Reads a media-control command text into a request, without acting on it.
// Words are separated by any number of spaces; keywords may be in any letter
// case; a file name may be quoted (and then hold spaces).
//
//   open "FILE" [shareable] alias NAME
//   set NAME time format milliseconds
//   play NAME from 0
//   status NAME mode | status NAME length
//   stop NAME
//   close NAME | close
#pragma once

#include <string_view>

namespace testbench {

enum class MediaVerb { Open, SetTimeFormat, Play, StatusMode, StatusLength, Stop, Close, CloseNothing };

struct MediaRequest {
  MediaVerb verb = MediaVerb::CloseNothing;
  std::string_view alias;  // views into the command text
  std::string_view file;   // Open only, without its quotes
};

// Returns 0 and fills the request, or kMediaUnknownCommand / kMediaBadSyntax.
int ParseMediaCommand(std::string_view command, MediaRequest& request);

// Letter-case-blind comparison of two ASCII words.
bool SameWord(std::string_view a, std::string_view b);

}  // namespace testbench
