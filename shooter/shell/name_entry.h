// Editing the name on the name-entry screen (the name itself is
// `shell.playerName`, kept from one entry to the next in a run).
#pragma once

#include <string>

namespace shooter {

// Appends the typed characters to `name`, or removes its last character for
// "?" (Backspace), and keeps it at most 12 characters long.
void applyTypedText(std::string& name, const std::string& typed);

}  // namespace shooter
