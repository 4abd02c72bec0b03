// The file names of the game's five sound effects, in the order of the game's
// Sample values: the generator writes them, the game loads them.
#pragma once

#include <array>

namespace assets {

inline constexpr auto kSampleFileNames = std::to_array<const char*>({
    "aircraft008_mod.wav",  // the engine loop
    "battle029.wav",        // a shot
    "battle004.wav",        // the big explosion
    "battle003.wav",        // an explosion
    "Item2.wav",            // a pickup, also the volume preview
});
static_assert(kSampleFileNames.size() == 5);

}  // namespace assets
