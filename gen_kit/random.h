// Deterministic random numbers and value noise for the generators: the same
// seed gives the same pictures and sounds on every build and compiler.
#pragma once

#include <cstdint>

#include "gen_kit/split_mix.h"

namespace gen_kit {

// A hash of lattice coordinates to [0, 1).
double latticeValue(std::int64_t x, std::int64_t y, std::uint64_t seed);

// Smooth value noise in [0, 1) that repeats every periodX by periodY
// pixels; `cell` must divide both periods.
double periodicNoise(double x, double y, int cell, int periodX, int periodY, std::uint64_t seed);
// Octaves of periodicNoise from `cell` down, each half the size and weight.
double periodicFractal(double x, double y, int cell, int octaves, int periodX, int periodY, std::uint64_t seed);

}  // namespace gen_kit
