// Which keys a program sees held. Besides the keys held now, it keeps short
// taps: a key that went down and up again before any read saw it held, and
// within one frame, would never be seen by a program that reads held keys
// once a frame, so it counts as held for one frame more.
#pragma once

#include <array>
#include <cstdint>

#include "platform/key_codes.h"

namespace platform {

class KeyState {
 public:
  // Records the key's new state; true when it went from up to down.
  // Scancodes outside 1..key::kCount-1 are ignored.
  bool set(int scancode, bool down);
  // What a program's read answers: true while the key is held, and for a
  // tap from the read that first finds it released until the frame ends.
  bool read(int scancode);
  // A frame was shown. A tap that a read reported ends here; one that no
  // read has asked for yet waits through this frame boundary only, so it
  // reaches the next frame and no later one.
  void frameShown();
  // Held right now, taps aside; noting no read.
  bool held(int scancode) const { return valid(scancode) && keys_[static_cast<std::size_t>(scancode)].held; }

 private:
  struct Key {
    bool held = false;
    bool seenHeld = false;       // a read saw this press while it was held
    std::uint8_t framesHeld = 0;  // frame boundaries passed during this press (saturating)
    bool tapWaiting = false;     // released unseen; not yet asked for
    std::uint8_t tapAge = 0;     // frame boundaries since that release
    bool tapShowing = false;     // reported as held until the frame ends
  };
  static bool valid(int scancode) { return scancode > 0 && scancode < key::kCount; }
  std::array<Key, key::kCount> keys_{};
};

}  // namespace platform
