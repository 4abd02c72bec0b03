// What `shooter` keeps in an exact recording besides the platform's clock and
// input: its settings, its score table and its first word at start-up, and a
// check byte of the game's state at every shown frame.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace shooter {

// settings.dat, or in a replay the recorded values; a recording keeps them.
bool loadSettingsForRun();
// high_scores.dat, or in a replay the recorded table; a recording keeps it.
bool loadHighScoresForRun();
// The start values a recording of a part of the run begins with: the
// settings and the score table as they are now (the options screen and
// earlier games may have changed them since start-up).
std::vector<std::pair<std::string, std::string>> runStartValuesNow();
// The command line's first word, or in a replay the recorded one.
std::string firstArgumentForRun(const std::string& given);

// A byte summing up the game and the screen machine, for the platform's
// frame checks.
std::uint8_t replayFrameCheck();

}  // namespace shooter
