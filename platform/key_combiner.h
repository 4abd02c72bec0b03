// Several controls can stand for one set-1 key: the two Ctrl keys, the two
// Enters, the two Alts, and a game pad's d-pad and stick beside the arrow
// keys. The program sees a key held while any control that stands for it is
// held, and released when the last one lets go.
#pragma once

#include <vector>

#include "platform/backend.h"

namespace platform {

class KeyCombiner {
 public:
  enum class Source { Keyboard, Pad };
  // The control `id` of the source (a backend's physical key number, or a
  // pad control) went down standing for `scancode`. Scancodes outside
  // 1..key::kCount-1 hold nothing.
  void press(Source source, int id, int scancode, ProgramInput& program);
  // The control let go, whichever key it held.
  void release(Source source, int id, ProgramInput& program);
  // Every control of the source let go (a game pad was pulled out).
  void releaseAll(Source source, ProgramInput& program);

 private:
  struct Hold {
    Source source;
    int id;
    int scancode;
  };
  bool held(int scancode, bool padOnly) const;
  void changed(int scancode, bool padBefore, bool before, ProgramInput& program) const;
  std::vector<Hold> holds_;  // a handful at most: a linear search is the fastest
};

}  // namespace platform
