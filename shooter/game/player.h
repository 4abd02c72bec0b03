// The player's craft: steering, the fire gate and volleys, the shield and
// lives, blinking after a lost life, and drawing.
#pragma once

#include <cstdint>

#include "shooter/game/sprite_codes.h"

namespace shooter {

// Fire keys repeat at most this often while held.
inline constexpr double kFireGate = 0.33;

// Arrow keys move 3 pixels each, within the screen.
void movePlayer();
// Keypad plus held: the boss cycle comes sooner, 2 units of boss time a frame.
void keypadPlusBoost();
// Ctrl or Space fires a volley, at most once per 0.33 s; Esc through the
// same gate asks for the pause, which is the return value. The gate is the
// shell's key gate: `actionKeyDown` says one of Esc, Enter, Ctrl or Space is
// held, and `lastKeyTime` is when it last let a press through.
bool actionKeys(bool actionKeyDown, double& lastKeyTime);
// One volley of the current shot power.
void fireVolley();
// Takes damage off the shield; an empty shield costs a life, and the last
// life starts the game-over banner and takes the craft off screen.
void loseShield(std::int32_t damage);
// The 0.1 s tick's count-down of blinking after a lost life.
void blinkTick();
// The craft's current frame, when visible; advances the propeller phase.
void drawPlayer();

}  // namespace shooter
