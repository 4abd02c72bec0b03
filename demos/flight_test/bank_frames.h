// The jet's two animation-frame selectors. RightBankFrame walks frames 5 to
// 10 (5 and 6 level, 7 to 10 banking further right), LeftBankFrame frames
// 11 to 16 (11 and 12 level, 13 to 16 banking further left). Each keeps its
// own state between calls.
//
// The caller passes its jet-frame variable as `frame` and, as `input`, that
// same variable while the turn key is held or a temporary holding -1. A
// selector may rewrite `frame` (11 to 5, or 5 to 11) before it reads
// `input`, so when both are the same variable it reads the new value.
//
// A selector returns 0 when its own 0.05 s interval has not passed yet;
// frame 0 does not exist, so the caller keeps the frame it has.
#pragma once

#include <cstdint>

namespace flight_test {

struct BankFamily {
  std::int32_t first;         // the first level picture; first + 1 is the other
  std::int32_t last;          // the steepest bank
  std::int32_t foreignLevel;  // the other family's first level picture, taken over as `first`
  bool passesFramesAbove;     // frames above `last` (else: below `first`) are returned unchanged
};

inline constexpr BankFamily kRightBank{5, 10, 11, true};
inline constexpr BankFamily kLeftBank{11, 16, 5, false};

// Seconds a selector waits between two bank steps.
inline constexpr double kBankStepSeconds = 0.05;

struct BankFrameState {
  bool initialised = false;
  double stamp = 0.0;  // clock reading of the last bank step
  std::int32_t level = 0;
  std::int32_t shown = 0;
};

std::int32_t SelectBankFrame(const BankFamily& family, BankFrameState& state, std::int32_t& input,
                             std::int32_t& frame);
std::int32_t RightBankFrame(BankFrameState& state, std::int32_t& input, std::int32_t& frame);
std::int32_t LeftBankFrame(BankFrameState& state, std::int32_t& input, std::int32_t& frame);

}  // namespace flight_test
