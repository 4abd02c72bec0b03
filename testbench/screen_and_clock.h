// The test programs' screen and their busy wait on the clock.
#pragma once

#include <string>

namespace testbench {

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

// Opens the 640 x 480 single-page screen in a window and sets its title
// (at most 127 characters are kept). False when the window cannot be opened
// (the backend has said why on standard error); the program must then end.
[[nodiscard]] bool ScreenOpen(const std::string& title);

// Reads the clock until more than `seconds` have passed since the first
// reading. Never sleeps.
void WaitSeconds(const double& seconds);

}  // namespace testbench
