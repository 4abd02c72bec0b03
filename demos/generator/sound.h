// The demo programs' sounds: made at 44.1 kHz with the generator toolkit's
// synthesiser.
#pragma once

#include "gen_kit/synth.h"

namespace demo_gen {

inline constexpr int kSampleRate = 44100;

using gen_kit::Samples;
using gen_kit::Stereo;

}  // namespace demo_gen
