// Keyboard and game pads can hold the same key; the program sees it held
// while any source holds it, and released when the last one lets go. Shared
// by the window backends (SDL on the desktop, the browser's own).
#pragma once

#include <array>
#include <bitset>

#include "platform/backend.h"
#include "platform/key_codes.h"

namespace platform {

class KeyCombiner {
 public:
  enum Source { Keyboard = 0, Pad = 1, kSources = 2 };
  void set(Source source, int scancode, bool down, InputSink& sink);

 private:
  std::array<std::bitset<key::kCount>, kSources> held_{};
};

}  // namespace platform
