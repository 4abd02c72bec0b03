// The pictures `flight_test_plain` loads into its sprite table at start, and
// the sounds it plays.
#pragma once

#include <array>

#include "demos/common/jet_flight.h"
#include "demos/common/sprite_files.h"

namespace flight_test_plain {

inline constexpr std::int32_t kJetSlot = 1;  // drawn, and bounds the jet
inline constexpr std::int32_t kMissileSlot = 2;
inline constexpr std::int32_t kGroundSlot = 3;
inline constexpr std::int32_t kCloudSlot = 4;

inline constexpr auto kSpriteFiles = std::to_array<demo::SpriteFile>({
    {1, "Plane1.BMP"},
    {2, "Aero_Shot2.BMP"},
    {3, "Oakst1.BMP"},
    {4, "Cloud1.BMP"},
});
static_assert(kSpriteFiles.size() == 4);

inline constexpr auto kSoundFiles = std::to_array<const char*>({demo::kMissileSound, demo::kFlybySound, demo::kMusic});
static_assert(kSoundFiles.size() == 3);

}  // namespace flight_test_plain
