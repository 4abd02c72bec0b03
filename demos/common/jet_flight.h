// What the two flight scenes share: the jet's movement cases with their
// flyby sound, the fire key that launches on release, the missile table and
// the scrolling ground.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "demos/common/key_buffer.h"
#include "platform/image.h"
#include "testbench/missiles.h"
#include "testbench/sprites.h"

namespace demo {

// A time stamp far enough in the past that the first gated action is due at
// once: the platform's clock starts near 0.
inline constexpr double kLongAgo = -1.0e9;

inline constexpr const char* kMissileSound = "Missile2.mp3";
inline constexpr const char* kFlybySound = "Flyby2.mp3";
inline constexpr const char* kMusic = "AceCombat1.mp3";

inline constexpr std::int32_t kMissileSlots = 100;
inline constexpr double kFireInterval = 0.3;

// ---- Movement ---------------------------------------------------------------

struct JetMotion {
  std::int32_t x = 320;  // top-left corner
  std::int32_t y = 400;
  std::string move;       // "", "L", "R", "U", "D", "UL", "UR", "DL", "DR"
  double interval = 0.0005;
  double lastMove = 0.0;
};

// Arrow keys held this pass, as the move command they give: single keys are
// tested first, the two-key combinations after, so a combination wins.
// Returns "" when no arrow is held (the caller keeps its old command).
std::string moveCommandFor(bool left, bool right, bool up, bool down);

// The movement cases "UL", "UR", "U", "DL", "DR", "D", "L", "R" in that
// order; the one matching the move command applies when its interval has
// passed: it starts the flyby sound unless that still sounds, moves the jet
// one pixel along each axis it names, keeps it within x 10..639 - boundWidth
// and y 10..479 - boundHeight, and clears the command. Returns true when a
// case applied.
bool stepJet(JetMotion& jet, std::int32_t boundWidth, std::int32_t boundHeight);

// ---- Fire key and missiles --------------------------------------------------

struct FireControl {
  std::string state;  // "" idle, "Y" key down, "YY" released: a shot is due
  double lastShot = kLongAgo;
};

// Key down from idle arms the shot; the release makes it due.
void updateFireKey(FireControl& fire, bool fireKeyDown);
// When a shot is due and the fire interval has passed: requests a launch
// from (x, y) in the first free missile record. Returns true when the shot
// was taken (even if no record was free and it is lost).
bool takeShot(FireControl& fire, std::vector<testbench::Missile>& missiles, std::int32_t x, std::int32_t y);

// 100 records, each with the launch sound, the size and picture of the
// missile sprite, state "", in use "N", interval 0.001 s and step 2.
std::vector<testbench::Missile> makeMissileTable(const testbench::Sprite& missileSprite);
// Missiles flying now (in use "Y", state "S").
std::int32_t countFlyingMissiles(const std::vector<testbench::Missile>& missiles);

// ---- Ground -----------------------------------------------------------------

// The ground moves down by `speed`; once at y >= 479 it goes back to
// 480 - tileHeight - speed.
void scrollGround(std::int32_t& groundY, std::int32_t speed, std::int32_t tileHeight);
// The tile at (0, groundY) and again one tile height above, opaque.
void drawGround(platform::Image& page, const testbench::Sprite& tile, std::int32_t groundY);

// ---- The frame's keys and the end --------------------------------------------

struct FlightKeys {
  bool left = false, right = false, up = false, down = false;
  bool goOn = true;  // false: the loop ends this frame
};
// The keys both flight scenes read at the top of a frame, in this order (each
// reading pumps the input): the four arrows give the move command, A works
// the fire key, then a key from the buffer or Esc held ends the loop, with
// `end` saying whether the window was closed.
FlightKeys readFlightKeys(JetMotion& jet, FireControl& fire, LoopEnd& end);

// ---- Music ------------------------------------------------------------------

// Starts the tune whenever it is not sounding, so it restarts after it ends.
void keepMusicPlaying();

}  // namespace demo
