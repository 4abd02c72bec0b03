// Every enemy kind by sprite code: where it arrives, how fast it drifts, how
// it fires, whose animation row gives its hit points and box, what it does
// in a fight (whether it collides with shots, the player and the destroy-all
// bonus, ends in the large explosion and leaves a bonus) and what it turns
// into. The game reads the kinds through enemy_catalogue.h, so a test can
// hand it a longer table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

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
  // At the last frame of its slow animation a unit may turn into another
  // kind (0: never). A kind of its own pool takes over the unit, which keeps
  // its hit points and starts at frame 1; a kind of the other pool replaces
  // it with a unit of its own stats, at the unit's place moved by dx, dy.
  std::uint8_t becomes;
  std::int8_t becomesDx, becomesDy;
};

// clang-format off
inline constexpr auto kEnemyKinds = std::to_array<EnemyKind>({
    // code pool               arrival             y     dy     stats fire                      offsets      hits   large  bonus  becomes dx dy
    {1,  KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false,  0,  0,  0},
    {2,  KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false,  0,  0,  0},
    {3,  KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false,  0,  0,  0},
    {4,  KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false,  0,  0,  0},
    {5,  KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false,  0,  0,  0},
    {41, KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false,  0,  0,  0},
    {42, KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false,  0,  0,  0},
    {43, KindPool::Aircraft, Arrival::Top,       -64,  2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false,  0,  0,  0},
    {44, KindPool::Aircraft, Arrival::Bottom,     63, -2.0f,  44, FirePattern::None,          0, 0, 0, 0,  true,  false, false,  0,  0,  0},
    {45, KindPool::Aircraft, Arrival::Bottom,     63, -0.5f,  45, FirePattern::StraightUp,   20, 0, 0, 0,  true,  true,  false,  0,  0,  0},
    {46, KindPool::Aircraft, Arrival::Top,       -64,  0.5f,  46, FirePattern::StraightDown, 24, 32, 0, 0, true,  true,  false,  0,  0,  0},
    {47, KindPool::Aircraft, Arrival::Top,       -64,  0.5f,  47, FirePattern::Aimed,        32, 24, 0, 0, true,  true,  true,   0,  0,  0},
    {49, KindPool::Aircraft, Arrival::Transform,   0,  0.0f,  49, FirePattern::AimedPair,    30, 40, 50, 40, true, true,  true,   0,  0,  0},
    {50, KindPool::Surface,  Arrival::Top,       -64,  1.0f,  50, FirePattern::None,          0, 0, 0, 0,  false, false, false,  0,  0,  0},
    {51, KindPool::Surface,  Arrival::Top,       -64,  1.0f,  50, FirePattern::None,          0, 0, 0, 0,  false, false, false,  0,  0,  0},
    {52, KindPool::Surface,  Arrival::Top,       -64,  1.0f,  50, FirePattern::None,          0, 0, 0, 0,  false, false, false,  0,  0,  0},
    {56, KindPool::Surface,  Arrival::Transform,   0,  1.0f,  57, FirePattern::Aimed,         8, 32, 0, 0, true,  true,  true,   0,  0,  0},
    {57, KindPool::Surface,  Arrival::Top,       -98,  1.0f,  57, FirePattern::None,          0, 0, 0, 0,  true,  true,  true,  56,  0,  0},
    {58, KindPool::Surface,  Arrival::Top,      -180,  1.0f,  58, FirePattern::Aimed,         8, 32, 0, 0, true,  true,  true,   0,  0,  0},
    {87, KindPool::Surface,  Arrival::Fixed,      32,  0.0f,  87, FirePattern::None,          0, 0, 0, 0,  true,  true,  true,  49, -7, -5},
});
// clang-format on
static_assert(kEnemyKinds.size() == 20);

// What a code without a row stands for (units written by hand, damaged
// codes): neither spawned nor firing nor turning into anything. Its fight
// columns are not read: such a code fights by its number (unit_traits.h).
inline constexpr EnemyKind kNoKind{0,    KindPool::Aircraft, Arrival::Transform, 0, 0.0f, 0, FirePattern::None, 0, 0, 0, 0,
                                   false, false,             false,              0, 0,    0};

// The row of `code` in `kinds`, or kNoKind.
constexpr const EnemyKind& findKind(std::span<const EnemyKind> kinds, std::uint8_t code) {
  for (const EnemyKind& kind : kinds) {
    if (kind.code == code) return kind;
  }
  return kNoKind;
}

// A table of kinds the game can play: one row per code, and every kind a
// row turns into has a row of its own.
constexpr bool kindsAreConsistent(std::span<const EnemyKind> kinds) {
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (kinds[i].code == 0) return false;
    for (std::size_t j = i + 1; j < kinds.size(); ++j) {
      if (kinds[i].code == kinds[j].code) return false;
    }
    if (kinds[i].becomes != 0 && findKind(kinds, kinds[i].becomes).code == 0) return false;
  }
  return true;
}
static_assert(kindsAreConsistent(kEnemyKinds));

}  // namespace shooter
