// The name being entered on the name-entry screen. It is never cleared, so
// the next entry starts from the last name.
#pragma once

#include <string>

namespace shooter {

extern std::string playerName;

// Appends the typed characters to `name`, or removes its last character for
// "?" (Backspace), and keeps it at most 12 characters long.
void applyTypedText(std::string& name, const std::string& typed);

}  // namespace shooter
