// The values of one game that the player craft, the spawner, the update pass
// and the bonuses share.
#pragma once

#include <array>
#include <cstdint>

#include "assets/sheet_layout.h"
#include "shooter/resources/sprite_sheet.h"

namespace shooter {

// Times (timer seconds) of the game's own rate-limited work.
struct GameTimers {
  double lastTenthTick = 0.0;      // the 0.1 s tick: animations, spawner, blinking
  double lastShotSound = 0.0;      // the shot sample plays at most every 0.33 s
  double lastCollisionPass = 0.0;  // the collision pass runs once per collision interval
};

// What goes on across games: the sea scrolls and the craft's propeller turns
// behind every screen, and the main menu's demo plane shows the same frames.
struct Backdrop {
  float seaOffset = -32.0f;  // stays in [-64, -32)
  int seaPhase = 0;          // 0 or 1, flipped once a second
  int propellerPhase = 0;    // the craft's frame, 0 to 2
};

// Everything the game changes beside its five pools. resetGame is the one
// place that puts it back.
struct GameState {
  std::int32_t score = 0;
  std::int32_t lives = 2;
  std::int32_t hp = 100;  // the shield
  std::uint8_t shootPower = 1;
  std::int32_t bossTime = 0;
  std::uint8_t bossActive = 0;
  std::uint8_t bossSlot = 0;
  std::int32_t playerX = 0;
  std::int32_t playerY = 0;
  std::uint8_t playerVisible = 1;
  std::uint8_t blinkCounter = 1;
  std::uint8_t enemyFireInterval = 3;
  // Spawner counters in 0.1 s ticks and the wave thresholds.
  std::uint8_t sceneryCounter = 0;
  std::uint8_t wave1Counter = 0;
  std::uint8_t wave2Counter = 0;
  std::uint8_t wave3Counter = 0;
  std::uint8_t wave1Threshold = 50;
  std::uint8_t wave2Threshold = 100;
  std::uint8_t wave3Threshold = 200;
  GameTimers timers;
  // Set by the once-a-second work when the game-over banner has expired;
  // the shell then moves on and clears it.
  bool overReady = false;
  // The collision pass sorts units into columns for the player's shots; off,
  // it walks every slot (the tests compare the two).
  bool shotColumnsOn = true;
  Backdrop backdrop;  // kept by a new game; see resetGame
};

extern GameState game;

// The player's craft: 64 pixels wide; its collision box is 64 by 46.
inline constexpr int kPlayerWidth = 64;
inline constexpr int kPlayerBoxHeight = 46;

// A collision between the player and a unit costs the player this much
// shield and the unit this many hit points.
inline constexpr std::int32_t kPlayerCollisionDamage = 40;
inline constexpr std::int32_t kUnitCollisionDamage = 50;

// The scroll of the sea, in every screen.
inline constexpr float kScrollSpeed = 1.28f;
// The player's three frames, also the main menu's demo plane's.
inline constexpr std::array<SpriteRect, 3> kPlayerFrames{assets::kPlayerFrame1, assets::kPlayerFrame2,
                                                         assets::kPlayerFrame3};

enum class GameReset : std::uint8_t {
  NewGame,     // a game ends or is left: the backdrop goes on as it was
  Everything,  // start-up: the backdrop starts afresh too
};

// The one place that puts the game back to its start values: every pool
// emptied and every value of GameState restored. A new game keeps the
// backdrop and the freed records' contents; start-up restores those too.
void resetGame(GameReset what = GameReset::NewGame);
// Empties the five pools and sends their free-slot searches back to slot 1.
void clearPools();

}  // namespace shooter
