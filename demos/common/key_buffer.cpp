#include "demos/common/key_buffer.h"

#include <string>

#include "platform/platform.h"

namespace demo {

LoopEnd classifyKeyText(std::string_view text) {
  if (text == "\x1b") return LoopEnd::Escape;
  if (text == platform::kCloseKeyText) return LoopEnd::Closed;
  return LoopEnd::Running;
}

LoopEnd readOneKey() { return classifyKeyText(platform::pendingKeyText()); }

LoopEnd drainKeyBuffer() {
  LoopEnd seen = LoopEnd::Running;
  for (std::string text = platform::pendingKeyText(); !text.empty(); text = platform::pendingKeyText()) {
    const LoopEnd end = classifyKeyText(text);
    if (end == LoopEnd::Closed || (end == LoopEnd::Escape && seen == LoopEnd::Running)) seen = end;
  }
  return seen;
}

}  // namespace demo
