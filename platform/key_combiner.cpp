// Combining the keyboard's and the game pads' holds on a key.
#include "platform/key_combiner.h"

namespace platform {

void KeyCombiner::set(Source source, int scancode, bool down, InputSink& sink) {
  if (scancode <= 0 || scancode >= key::kCount) return;
  const auto code = static_cast<std::size_t>(scancode);
  const bool before = held_[Keyboard][code] || held_[Pad][code];
  if (source == Pad && held_[Pad][code] != down) sink.padKeyChanged(scancode, down);
  held_[static_cast<std::size_t>(source)][code] = down;
  const bool after = held_[Keyboard][code] || held_[Pad][code];
  if (before != after) sink.keyChanged(scancode, after);
}

}  // namespace platform
