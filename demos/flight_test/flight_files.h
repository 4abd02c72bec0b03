// The pictures `flight_test` loads into its sprite table at start, slot by
// slot, and the sounds it plays.
#pragma once

#include <array>

#include "demos/common/flight_scene.h"
#include "demos/common/sprite_files.h"

namespace flight_test {

// Slots 2 to 4 are the flight scene's missile, ground and cloud.
using demo::kCloudSlot;
using demo::kGroundSlot;
using demo::kMissileSlot;
inline constexpr std::int32_t kBoundsSlot = 1;  // bounds the jet; never drawn
inline constexpr std::int32_t kEnemySlot = 17;

// Slots 5 to 10 hold the level and right-bank frames, 11 to 16 the level and
// left-bank frames; the jet frame number is the slot drawn.
inline constexpr auto kSpriteFiles = std::to_array<demo::SpriteFile>({
    {1, "Plane1.BMP"},
    {2, "Aero_Shot2.BMP"},
    {3, "Oakst2.BMP"},
    {4, "Cloud1.BMP"},
    {5, "J_F_1.BMP"},
    {6, "J_F_2.BMP"},
    {7, "J_F_3.BMP"},
    {8, "J_F_4.BMP"},
    {9, "J_F_5.BMP"},
    {10, "J_F_6.BMP"},
    {11, "J_F_1.BMP"},
    {12, "J_F_2.BMP"},
    {13, "J_F_7.BMP"},
    {14, "J_F_8.BMP"},
    {15, "J_F_9.BMP"},
    {16, "J_F_10.BMP"},
    {17, "E2.BMP"},
});
static_assert(kSpriteFiles.size() == 17);

inline constexpr const auto& kSoundFiles = demo::kFlightSoundFiles;

}  // namespace flight_test
