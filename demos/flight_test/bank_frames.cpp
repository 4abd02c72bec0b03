#include "demos/flight_test/bank_frames.h"

#include <algorithm>

#include "platform/platform.h"

namespace flight_test {

std::int32_t SelectBankFrame(const BankFamily& family, BankFrameState& state, std::int32_t& input,
                             std::int32_t& frame) {
  const double now = platform::timer();
  if (!state.initialised || input == 0) {
    state.initialised = true;
    state.stamp = now;
    state.level = family.first;
    state.shown = family.first;
  }
  if (frame == family.foreignLevel) {
    frame = family.first;
  } else if (family.passesFramesAbove ? frame > family.last : frame < family.first) {
    return frame;
  }
  const std::int32_t value = input;  // read after the rewrite above
  // Without the turn key the two level pictures alternate.
  if (value == -1 && state.shown == family.first) {
    state.shown = family.first + 1;
    return state.shown;
  }
  if (value == -1 && state.shown == family.first + 1) {
    state.shown = family.first;
    return state.shown;
  }
  // Held at the steepest bank the last two pictures alternate.
  if (state.shown == family.last && value > 0) {
    state.level = state.shown = family.last - 1;
    return state.shown;
  }
  if (value > 0 && state.shown == family.last - 1) {
    state.level = state.shown = family.last;
    return state.shown;
  }
  if (!(now - state.stamp > kBankStepSeconds)) return 0;
  state.stamp = now;
  if (value == -1) {
    state.level = std::max(state.level - 1, family.first);
  } else {
    state.level = std::min(state.level + 1, family.last);
  }
  state.shown = state.level;
  return state.level;
}

std::int32_t RightBankFrame(BankFrameState& state, std::int32_t& input, std::int32_t& frame) {
  return SelectBankFrame(kRightBank, state, input, frame);
}

std::int32_t LeftBankFrame(BankFrameState& state, std::int32_t& input, std::int32_t& frame) {
  return SelectBankFrame(kLeftBank, state, input, frame);
}

}  // namespace flight_test
