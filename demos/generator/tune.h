// The flight scenes' music, rendered from the score in tune_score.h:
// drums, a driving bass, a pad, the lead with an echo, and sixteenth-note
// arpeggios in the bridge, mixed to stereo.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "demos/generator/sound.h"

namespace demo_gen {

struct MelodyNote {
  int start;   // in sixteenths from the start of the bar
  int length;  // in sixteenths
  int note;    // note number; -1 for a rest
};

// Parses one melody bar ("E5:4 B4:2 -:10"). Returns false, with a reason,
// when a token is malformed or the bar does not fill 16 sixteenths.
bool parseMelodyBar(std::string_view text, std::vector<MelodyNote>& notes, std::string& error);
// "C4" = 60, "F#5" = 78, "Bb3" = 58; -1 when not a note name.
int noteNumber(std::string_view name);

// Seconds per sixteenth note at the score's tempo.
double sixteenthSeconds();

// Checks the whole score; returns "" or the first fault found.
std::string checkScore();

Stereo tune();

}  // namespace demo_gen
