// The demo programs' sound effects.
#pragma once

#include "demos/generator/sound.h"

namespace demo_gen {

// The three bounce notes are named by their note numbers in hexadecimal:
// "29H" is note 0x29 = 41 (F2), "33H" 0x33 = 51 (D#3), "3BH" 0x3B = 59 (B3).
inline constexpr int kBounceNoteLow = 0x29;
inline constexpr int kBounceNoteMiddle = 0x33;
inline constexpr int kBounceNoteHigh = 0x3B;

// A struck wooden bar (marimba-like) sounding the note, about 0.4 s.
Samples bounceNote(int midiNote);
// A large gong struck once, about 4 s.
Samples gong();
// A missile leaving its rail: ignition crack, rumble and a falling whoosh.
Samples missileLaunch();
// A jet passing overhead from left to right, about 2.6 s.
Stereo flyby();

}  // namespace demo_gen
