// The state a game starts from, as one line of text: every value of the game
// and of its five pools (free slots too: a new unit keeps what its slot's
// previous occupant left), and the shell's values that the game's course
// reads (the frame clock, the key gate, the pause menu's cursor, the pages).
// Written value by value, integers in decimal and floating-point values by
// their bit patterns in hex, so that any machine reads back the same bits.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace shooter {

// The current state, written.
std::string gameStartText();
// Reads `text` back into the game, the pools and the shell. On a problem
// nothing is changed and the problem is returned, in words.
std::optional<std::string> restoreGameStart(std::string_view text);
// Whether the current state is one a game can have on the frame it started:
// nothing scored or lost yet, only the start banner out, the clock and the
// key gate of that frame. Free slots' leftovers are not judged.
std::optional<std::string> gameStartProblem();

}  // namespace shooter
