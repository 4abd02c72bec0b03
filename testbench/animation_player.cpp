// Showing a loaded animation frame by frame.
#include <algorithm>

#include "platform/platform.h"
#include "platform/text_convert.h"
#include "testbench/animation.h"
#include "testbench/sound_channels.h"
#include "testbench/table.h"

namespace testbench {

namespace {

// The readout's white, as the programs write it (alpha byte 0).
constexpr platform::Colour kReadoutWhite = 0x00FFFFFFu;

std::int32_t playFrames(std::vector<AnimationFrame>& frames, const platform::Image& background,
                        platform::Image& page, bool readout) {
  const std::int32_t count = std::min(AnimationFrameCount, UpperBound(frames));
  AnimationLastFrameTime = platform::timer();
  for (std::int32_t i = 1; i <= count; ++i) {
    const AnimationFrame& frame = frames[static_cast<std::size_t>(i)];
    // Busy wait: the frame's time step is measured from the last frame shown.
    while (platform::timer() - AnimationLastFrameTime < frame.timeStep) {
    }
    AnimationLastFrameTime = platform::timer();

    platform::screenLock();
    platform::drawImage(page, 0, 0, background, platform::DrawMode::Opaque);
    if (readout) {
      platform::drawPixelText(page, 0, 0, "Frame #" + platform::toText(std::int64_t{i}), kReadoutWhite);
      platform::drawPixelText(page, 0, 10, "Time Step=" + platform::toText(frame.timeStep), kReadoutWhite);
      platform::drawPixelText(page, 0, 20, AnimationDescription, kReadoutWhite);
    }
    if (frame.image) {
      platform::drawImage(page, AnimationX, AnimationY, *frame.image, platform::DrawMode::Transparent);
    }
    if (frame.sound != "NULL") SoundPlay(frame.sound);
    platform::drawImage(platform::workPage(), 0, 0, page, platform::DrawMode::Opaque);
    platform::screenUnlock();
  }
  return AnimationFrameCount;
}

}  // namespace

std::int32_t PlayAnimation(std::vector<AnimationFrame>& frames, const platform::Image& background,
                           platform::Image& page) {
  return playFrames(frames, background, page, false);
}

std::int32_t PlayAnimationDebug(std::vector<AnimationFrame>& frames, const platform::Image& background,
                                platform::Image& page) {
  return playFrames(frames, background, page, true);
}

}  // namespace testbench
