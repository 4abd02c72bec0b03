// The pictures `flight_test_plain` loads into its sprite table at start, and
// the sounds it plays.
#pragma once

#include <array>

#include "demos/common/flight_scene.h"
#include "demos/common/sprite_files.h"

namespace flight_test_plain {

// Slots 2 to 4 are the flight scene's missile, ground and cloud.
using demo::kCloudSlot;
using demo::kGroundSlot;
using demo::kMissileSlot;
inline constexpr std::int32_t kJetSlot = 1;  // drawn, and bounds the jet

inline constexpr auto kSpriteFiles = std::to_array<demo::SpriteFile>({
    {1, "Plane1.BMP"},
    {2, "Aero_Shot2.BMP"},
    {3, "Oakst1.BMP"},
    {4, "Cloud1.BMP"},
});
static_assert(kSpriteFiles.size() == 4);

inline constexpr const auto& kSoundFiles = demo::kFlightSoundFiles;

}  // namespace flight_test_plain
