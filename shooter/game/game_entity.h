// The one record every moving thing of a game uses, and the five fixed pools
// that hold them. Slot 0 of each pool exists and is never handed out.
#pragma once

#include <array>
#include <cstdint>

namespace shooter {

struct GameEntity {
  float x = 0.0f;  // top-left corner, screen pixels
  float y = 0.0f;
  std::int32_t width = 0;   // collision box (surface units, aircraft)
  std::int32_t height = 0;
  std::uint8_t spriteCode = 0;  // animation and kind
  float dx = 0.0f;  // steps per rendered frame
  float dy = 0.0f;
  std::uint8_t active = 0;
  std::uint8_t frame = 0;  // from 1
  std::uint8_t side = 0;   // shots: 1 enemy, 2 player
  std::int32_t hitPoints = 0;
  std::uint8_t damage = 0;     // shots
  std::uint8_t fireTimer = 0;  // seconds since the unit last fired
  std::uint8_t lifeTimer = 0;  // pickups: seconds on screen
};

inline constexpr std::uint8_t kEnemySide = 1;
inline constexpr std::uint8_t kPlayerSide = 2;

// A pool with slots 1..Last in use and a start cursor for the free-slot search.
template <int Last>
struct Pool {
  static constexpr int kLast = Last;
  std::array<GameEntity, Last + 1> slots{};
  std::uint8_t cursor = 1;

  GameEntity& operator[](int i) { return slots[static_cast<std::size_t>(i)]; }
  const GameEntity& operator[](int i) const { return slots[static_cast<std::size_t>(i)]; }
  // Frees slots 1..Last and sends the free-slot search back to slot 1.
  void clear() {
    for (int i = 1; i <= Last; ++i) slots[static_cast<std::size_t>(i)].active = 0;
    cursor = 1;
  }
  int liveCount() const {
    int n = 0;
    for (int i = 1; i <= Last; ++i) n += slots[static_cast<std::size_t>(i)].active == 1;
    return n;
  }
};

using UnitPool = Pool<100>;
using ShotPool = Pool<200>;

extern UnitPool surfaceUnits;
extern UnitPool aircraft;
extern ShotPool shots;
extern UnitPool explosions;
extern UnitPool pickups;

// Scans from the cursor to the last slot for a free one and hands it out,
// moving the cursor on by one. It never wraps: when the scan passes the last
// slot the cursor goes back to 1 and slot 1 is returned, in use or not, and
// the caller overwrites it. So slots below the cursor wait for the next
// wrap, and a full pool recycles slot 1.
template <int Last>
std::uint8_t findFreeSlot(Pool<Last>& pool) {
  for (int i = pool.cursor; i <= Last; ++i) {
    if (pool[i].active == 0) {
      pool.cursor = static_cast<std::uint8_t>(pool.cursor + 1);
      return static_cast<std::uint8_t>(i);
    }
  }
  pool.cursor = 1;
  return 1;
}

}  // namespace shooter
