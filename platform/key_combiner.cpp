// Combining every control's hold on a key.
#include "platform/key_combiner.h"

#include <algorithm>

#include "platform/key_codes.h"

namespace platform {

bool KeyCombiner::held(int scancode, bool padOnly) const {
  return std::any_of(holds_.begin(), holds_.end(), [&](const Hold& h) {
    return h.scancode == scancode && (!padOnly || h.source == Source::Pad);
  });
}

void KeyCombiner::changed(int scancode, bool padBefore, bool before, ProgramInput& program) const {
  const bool padAfter = held(scancode, true);
  const bool after = held(scancode, false);
  if (padBefore != padAfter) program.padKeyChanged(scancode, padAfter);
  if (before != after) program.keyChanged(scancode, after);
}

void KeyCombiner::press(Source source, int id, int scancode, ProgramInput& program) {
  if (scancode <= 0 || scancode >= key::kCount) return;
  const auto same = [&](const Hold& h) { return h.source == source && h.id == id; };
  if (const auto it = std::find_if(holds_.begin(), holds_.end(), same); it != holds_.end()) {
    if (it->scancode == scancode) return;  // still down: a press we have seen
    release(source, id, program);
  }
  const bool padBefore = held(scancode, true);
  const bool before = held(scancode, false);
  holds_.push_back({source, id, scancode});
  changed(scancode, padBefore, before, program);
}

void KeyCombiner::release(Source source, int id, ProgramInput& program) {
  const auto same = [&](const Hold& h) { return h.source == source && h.id == id; };
  const auto it = std::find_if(holds_.begin(), holds_.end(), same);
  if (it == holds_.end()) return;  // never seen going down (pressed before the window had focus)
  const int scancode = it->scancode;
  const bool padBefore = held(scancode, true);
  const bool before = held(scancode, false);
  holds_.erase(it);
  changed(scancode, padBefore, before, program);
}

void KeyCombiner::releaseAll(Source source, ProgramInput& program) {
  // One at a time, so each key's change is reported once.
  for (;;) {
    const auto it = std::find_if(holds_.begin(), holds_.end(), [&](const Hold& h) { return h.source == source; });
    if (it == holds_.end()) return;
    release(source, it->id, program);
  }
}

}  // namespace platform
