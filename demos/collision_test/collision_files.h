// The collision test's four active movers, its wall boxes and its files.
#pragma once

#include <array>
#include <string_view>

#include "demos/common/ball_scene.h"

namespace collision_test {

inline constexpr auto kMoverRows = std::to_array<demo::MoverRow>({
    {1, 50, 50, 1, 0.0007, "1", "29H.MP3"},
    {2, 100, 300, 1, 0.004, "4", "33H.MP3"},
    {3, 500, 200, 1, 0.05, "1", "3BH.MP3"},
    {4, 250, 300, 1, 0.16, "4", "Gong.mp3"},
});
static_assert(kMoverRows.size() == 4);

// Boxes 5 to 8: the four walls, one group each, lying on the green frame.
struct WallRow {
  std::int32_t box;
  std::int32_t x;
  std::int32_t y;
  std::int32_t width;
  std::int32_t height;
  std::string_view group;
};
inline constexpr auto kWallRows = std::to_array<WallRow>({
    {5, 0, 0, 10, 480, "Left Wall"},
    {6, 629, 0, 10, 480, "Right Wall"},
    {7, 0, 0, 640, 10, "Top Wall"},
    {8, 0, 469, 640, 10, "Bottom Wall"},
});
static_assert(kWallRows.size() == 4);

inline constexpr std::int32_t kBoxSlots = 8;

inline constexpr const auto& kPictureFiles = demo::kBallScenePictures;

}  // namespace collision_test
