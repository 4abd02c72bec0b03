// The timing test's four active movers and the files it loads.
#pragma once

#include <array>

#include "demos/common/ball_scene.h"

namespace timing_test {

// Each ball steps one pixel at its own interval, from 0.0007 s to 0.16 s.
inline constexpr auto kMoverRows = std::to_array<demo::MoverRow>({
    {1, 200, 200, 1, 0.0007, "1", "29H.WAV"},
    {2, 100, 100, 1, 0.004, "3", "33H.WAV"},
    {3, 200, 200, 1, 0.05, "1", "3BH.WAV"},
    {4, 100, 100, 1, 0.16, "4", "Gong.mp3"},
});
static_assert(kMoverRows.size() == 4);

inline constexpr const auto& kPictureFiles = demo::kBallScenePictures;

}  // namespace timing_test
