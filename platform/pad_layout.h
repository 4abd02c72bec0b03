// The controls of a game pad in the standard layout: a d-pad, four face
// buttons, shoulders, two sticks, Back, Guide and Start. SDL's GameController
// API and the browser's Gamepad API ("standard" mapping) both present pads
// this way; each backend names its own numbering of these controls.
#pragma once

namespace platform {

enum class PadButton {
  South,  // A on an Xbox pad, cross on a PlayStation pad
  East,
  West,
  North,
  Back,
  Guide,
  Start,
  LeftStick,
  RightStick,
  LeftShoulder,
  RightShoulder,
  DpadUp,
  DpadDown,
  DpadLeft,
  DpadRight,
};
inline constexpr int kPadButtonCount = 15;

enum class PadAxis { LeftX, LeftY };
inline constexpr int kPadAxisCount = 2;

}  // namespace platform
