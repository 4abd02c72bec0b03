// Timedemo input scripts for the runs: key taps and holds at times of the
// game's own clock, and the screen walks the cases share.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace faults {

class KeyScript {
 public:
  // Down at `at` and up a tenth of a second later: shorter than the menus'
  // key gate, so every tap acts exactly once.
  KeyScript& tap(double at, const char* key);
  KeyScript& hold(double from, double to, const char* key);
  KeyScript& close(double at);
  std::string text() const;  // lines in time order

 private:
  std::vector<std::pair<double, std::string>> events_;
};

// Every screen that reads a data file: the high-score table, the options
// (changed, then left with Esc so nothing is saved), and about 10 seconds of
// play with moves, fire and a pause. Ends in the game at 22 s.
KeyScript tourOfTheScreens();
inline constexpr double kTourEnd = 22.0;

// Options changed and ACCEPTed (one save of settings.dat, collision rate 10
// becomes 20), then games played with fire held and Enter tapped every second,
// so each game over that qualifies enters a name and saves high_scores.dat,
// until `until` seconds.
KeyScript saveOptionsThenPlay(double until);

}  // namespace faults
