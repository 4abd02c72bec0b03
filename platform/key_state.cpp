#include "platform/key_state.h"

namespace platform {

namespace {

// A press held unseen through more than one frame boundary had a whole
// frame in which the program could have read it: its release is no tap.
constexpr std::uint8_t kMostBoundariesInATap = 1;
// A tap nobody asks for is dropped at the second boundary after its
// release: the first ends the frame it came in, the second the next frame.
constexpr std::uint8_t kTapLifeInBoundaries = 2;

}  // namespace

bool KeyState::set(int scancode, bool down) {
  if (!valid(scancode)) return false;
  Key& k = keys_[static_cast<std::size_t>(scancode)];
  if (down == k.held) return false;
  k.held = down;
  if (down) {
    k.seenHeld = false;
    k.framesHeld = 0;
    return true;
  }
  if (!k.seenHeld && k.framesHeld <= kMostBoundariesInATap) {
    k.tapWaiting = true;
    k.tapAge = 0;
  }
  return false;
}

bool KeyState::read(int scancode) {
  if (!valid(scancode)) return false;
  Key& k = keys_[static_cast<std::size_t>(scancode)];
  if (k.held) {
    k.seenHeld = true;
    return true;
  }
  if (k.tapWaiting) {
    k.tapWaiting = false;
    k.tapShowing = true;
  }
  return k.tapShowing;
}

void KeyState::frameShown() {
  for (Key& k : keys_) {
    if (k.held && k.framesHeld < 255) ++k.framesHeld;
    k.tapShowing = false;
    if (k.tapWaiting && ++k.tapAge >= kTapLifeInBoundaries) k.tapWaiting = false;
  }
}

}  // namespace platform
