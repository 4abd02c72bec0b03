// What the key buffer says about leaving a demo program's loop: Esc arrives
// as the character 27, the window's close button (and the end of a timedemo)
// as the two characters 255 and 'k'.
#pragma once

#include <string_view>

#include "demos/common/demo_main.h"

namespace demo {

// Escape for "\x1b", Closed for platform::kCloseKeyText, Running for anything else.
LoopEnd classifyKeyText(std::string_view text);
// Reads one entry of the key buffer and classifies it.
LoopEnd readOneKey();
// Reads the key buffer empty; Closed wins over Escape.
LoopEnd drainKeyBuffer();

}  // namespace demo
