// Every enemy kind by sprite code: where it arrives, how fast it drifts, how
// it fires, whose animation row gives its hit points and box, and what it
// does in a fight: whether it collides (with shots, the player and the
// destroy-all bonus), ends in the large explosion and leaves a bonus.
#pragma once

#include <array>
#include <cstdint>

namespace shooter {

enum class KindPool : std::uint8_t { Aircraft, Surface };

enum class Arrival : std::uint8_t {
  Top,        // y = arrivalY (above the screen)
  Bottom,     // y = screen height + arrivalY
  Fixed,      // y = arrivalY, placed by the boss cycle
  Transform,  // never spawned: another kind turns into it
};

enum class FirePattern : std::uint8_t {
  None,
  StraightUp,    // a shot at (x + fire1X, y + fire1Y) going up
  StraightDown,  // the same going down
  Aimed,         // one shot at the player from (x + fire1X, y + fire1Y)
  AimedPair,     // two, from the fire1 and fire2 offsets
};

struct EnemyKind {
  std::uint8_t code;
  KindPool pool;
  Arrival arrival;
  std::int16_t arrivalY;
  float dyScrolls;  // vertical step in scroll speeds; negative climbs
  std::uint8_t statsCode;
  FirePattern fire;
  std::int8_t fire1X, fire1Y, fire2X, fire2Y;
  bool collides;
  bool largeExplosion;
  bool dropsBonus;
};

// clang-format off
inline constexpr auto kEnemyKinds = std::to_array<EnemyKind>({
    // code pool               arrival             y     dy     stats fire                      offsets       hits   large  bonus
    {1,  KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false},
    {2,  KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false},
    {3,  KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false},
    {4,  KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false},
    {5,  KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false},
    {41, KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false},
    {42, KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false},
    {43, KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false},
    {44, KindPool::Aircraft, Arrival::Bottom,     63, -2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false},
    {45, KindPool::Aircraft, Arrival::Bottom,     63, -0.5f,  45, FirePattern::StraightUp,   20, 0, 0, 0,  true,  true,  false},
    {46, KindPool::Aircraft, Arrival::Top,       -64,  0.5f,  46, FirePattern::StraightDown, 24, 32, 0, 0,  true,  true,  false},
    {47, KindPool::Aircraft, Arrival::Top,       -64,  0.5f,  47, FirePattern::Aimed,        32, 24, 0, 0,  true,  true,  true},
    {49, KindPool::Aircraft, Arrival::Transform,   0,  0.0f,  49, FirePattern::AimedPair,    30, 40, 50, 40,  true,  true,  true},
    {50, KindPool::Surface,  Arrival::Top,       -64,  1.0f,  50, FirePattern::None,          0, 0, 0, 0,  false, false, false},
    {51, KindPool::Surface,  Arrival::Top,       -64,  1.0f,  50, FirePattern::None,          0, 0, 0, 0,  false, false, false},
    {52, KindPool::Surface,  Arrival::Top,       -64,  1.0f,  50, FirePattern::None,          0, 0, 0, 0,  false, false, false},
    {56, KindPool::Surface,  Arrival::Transform,   0,  1.0f,  57, FirePattern::Aimed,         8, 32, 0, 0,  true,  true,  true},
    {57, KindPool::Surface,  Arrival::Top,       -98,  1.0f,  57, FirePattern::None,          0, 0, 0, 0,  true,  true,  true},
    {58, KindPool::Surface,  Arrival::Top,      -180,  1.0f,  58, FirePattern::Aimed,         8, 32, 0, 0,  true,  true,  true},
    {87, KindPool::Surface,  Arrival::Fixed,      32,  0.0f,  87, FirePattern::None,          0, 0, 0, 0,  true,  true,  true},
    // Any other code: neither spawned nor firing. Its fight columns are not
    // read: a code without a row of its pool fights by its number (unit_traits.h).
    {0,  KindPool::Aircraft, Arrival::Transform,   0,  0.0f,   0, FirePattern::None,          0, 0, 0, 0,  false, false, false},
});
// clang-format on
static_assert(kEnemyKinds.size() == 21);

// The row of a code; codes without one (units written by hand, damaged
// codes) get the last row, which neither moves nor fires.
inline const EnemyKind& enemyKind(std::uint8_t code) {
  for (const EnemyKind& kind : kEnemyKinds) {
    if (kind.code == code) return kind;
  }
  return kEnemyKinds.back();
}

}  // namespace shooter
