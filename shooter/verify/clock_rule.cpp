// The clock rule: the main loop's pacing replayed over a recording's readings.
#include "shooter/verify/clock_rule.h"

#include <algorithm>
#include <cstdio>

#include "shooter/shell/frame_pacing.h"

namespace shooter::verify {

namespace {

constexpr double kLongestGap = 1.0;
constexpr int kFewestFramesInASecond = 10;

std::string milliseconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f ms", seconds * 1000.0);
  return text;
}

}  // namespace

std::optional<std::string> clockRuleProblem(std::span<const std::uint64_t> readingsMicros, std::uint8_t desiredFps,
                                            const FrameClock& atStart) {
  const int rate = effectiveFps(desiredFps);
  const int fewest = std::max(kFewestFramesInASecond, rate / 2);
  FrameClock c = atStart;
  double previous = c.now;
  for (std::size_t i = 0; i < readingsMicros.size(); ++i) {
    const std::string frame = "frame " + std::to_string(i + 1);
    // The replay hands the program exactly this double.
    c.now = static_cast<double>(readingsMicros[i]) / 1e6;
    if (c.now < previous) {
      return "the clock goes back at " + frame + ": " + milliseconds(c.now) + " after " + milliseconds(previous);
    }
    if (c.now - previous > kLongestGap) {
      return frame + " comes " + milliseconds(c.now - previous) + " after the previous one; no frame may come more than 1 s later";
    }
    if (!frameIsDue(c)) {
      return frame + " comes " + milliseconds(c.now - c.lastFrameTime) +
             " after the previous one, sooner than the frame interval of " + milliseconds(c.frameInterval) +
             " the loop holds then";
    }
    c.lastFrameTime = c.now;
    if (countFrame(c)) {
      if (c.fpsValue < fewest) {
        return "the second ending at " + frame + " holds " + std::to_string(c.fpsValue) + " frames; at " +
               std::to_string(rate) + " frames a second the loop draws at least " + std::to_string(fewest);
      }
      correctFrameInterval(c, rate);
    }
    previous = c.now;
  }
  return std::nullopt;
}

}  // namespace shooter::verify
