// The values of one game that the player craft, the spawner, the update pass
// and the bonuses share.
#pragma once

#include <array>
#include <cstdint>

#include "shooter/media/sprite_sheet.h"

namespace shooter {

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
};

extern GameState game;

// Times (timer seconds) of the game's own rate-limited work.
struct GameTimers {
  double lastTenthTick = 0.0;      // the 0.1 s tick: animations, spawner, blinking
  double lastShotSound = 0.0;      // the shot sample plays at most every 0.33 s
  double lastCollisionPass = 0.0;  // the collision pass runs once per collision interval
};
extern GameTimers timers;

// The player's craft: 64 pixels wide; its collision box is 64 by 46.
inline constexpr int kPlayerWidth = 64;
inline constexpr int kPlayerBoxHeight = 46;

// A collision between the player and a unit costs the player this much
// shield and the unit this many hit points.
inline constexpr std::int32_t kPlayerCollisionDamage = 40;
inline constexpr std::int32_t kUnitCollisionDamage = 50;

// The scroll of the sea, in every screen.
inline constexpr float kScrollSpeed = 1.28f;
extern float backgroundOffset;  // stays in [-64, -32)
extern int backgroundPhase;     // 0 or 1, flipped once a second
// The player's three frames (also the main menu's demo plane) and the phase.
extern std::array<SpriteRect, 3> playerFrames;
extern int playerPhase;

// Puts the game state and all five pools back to their start values.
void resetGame();

}  // namespace shooter
