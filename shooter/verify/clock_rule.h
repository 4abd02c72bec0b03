// The clock rule of game recordings: the clock readings of a recording must
// be ones the paced main loop could have drawn its frames at. The loop's
// pace is a function of the readings alone (frame_pacing.h), so the rule
// replays it over the readings:
//   - readings never go back, and each frame comes at least the frame
//     interval the loop holds at that point after the previous drawn frame;
//   - every second the loop counts holds at least max(10, rate / 2) frames;
//   - no frame comes more than 1 s after the previous one.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "shooter/shell/shell_state.h"

namespace shooter::verify {

// `readingsMicros`: each frame's clock reading in microseconds, in order.
// `desiredFps`: the settings' frame rate (0 counts as 50). `atStart`: the
// frame clock when the game started (its `now` is the start frame's reading).
// Returns why the readings are refused, naming the frame (from 1) and the
// numbers; nullopt when the loop could have drawn them.
std::optional<std::string> clockRuleProblem(std::span<const std::uint64_t> readingsMicros, std::uint8_t desiredFps,
                                            const FrameClock& atStart);

}  // namespace shooter::verify
