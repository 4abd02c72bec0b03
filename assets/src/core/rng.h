// The generator's random source: the shared SplitMix64, so that scattered
// details such as explosion sparks and island foliage come out the same on
// every run and every compiler.
#pragma once

#include "gen_kit/split_mix.h"

namespace assets {

using Rng = gen_kit::SplitMix64;

}  // namespace assets
