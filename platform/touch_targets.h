// What a touch on the screen means, declared by the program for the screen
// it shows. A backend with a touch screen turns touches into the key presses
// the keyboard would send, so a game played by touch is recorded and replayed
// like one played on keys; other backends ignore the declaration.
#pragma once

#include <span>

namespace platform {

enum class TouchUse {
  None,    // touches do nothing (the title picture)
  Stick,   // a floating stick holds the arrows and fire; a pause button gives Esc
  Taps,    // tapping a target sends its keys
  Typing,  // the system's on-screen keyboard types, as key presses
  Steer,   // the stick holds the arrows only (the demo pages: their keys are buttons)
};

// A tappable rectangle in screen pixels (right and bottom excluded). A tap
// presses Down `cursorSteps` times (Up when negative), then `key`.
struct TapTarget {
  int left, top, right, bottom;
  int cursorSteps;
  int key;
};

}  // namespace platform
