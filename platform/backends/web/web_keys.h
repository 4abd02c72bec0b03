// The browser's key names (KeyboardEvent.code) as set-1 scancodes, the same
// numbers the SDL backend reports for the same physical keys.
#pragma once

#include <string_view>

namespace platform {

// 0 for a key with no set-1 code; the browser keeps its own action for those.
int set1FromDomCode(std::string_view code);

// The key's own number, which tells apart keys of one set-1 code (the two
// Ctrl keys); -1 for keys with no set-1 code.
int physicalKeyFromDomCode(std::string_view code);

// Whether the page takes a key away from the browser (no scrolling on the
// arrows and Space, no "back" on Backspace). Keys held with Ctrl or Meta
// beside a letter or digit stay the browser's (reload, close tab, ...), but
// the program still sees them.
bool pageTakesKey(int scancode, bool ctrlOrMetaHeld);

}  // namespace platform
