// Which kinds each wave brings and where it places them. A wave that is due
// draws one of its rows with equal chance (the r-th of r = floor(random *
// rows)), then the row's placement picks the column.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "shooter/game/enemy_kinds.h"

namespace shooter {

enum class Wave : std::uint8_t {
  Scenery,  // an island once the scenery counter passes 39 ticks
  First,    // light planes, divers and the climber
  Second,   // gunships
  Third,    // the bomber and the surface guns
};

enum class Placement : std::uint8_t {
  Column32,    // x = 32 + 32 * a random column, at the kind's arrival height
  Column64,    // the same in 64-pixel columns
  Column128,   // and in 128-pixel columns
  FreeColumn,  // a surface kind in a 64-pixel column no surface unit blocks; skipped when none is found
  Steered,     // a 32-pixel column, drifting towards where the player is and banking that way
};

struct WaveKind {
  Wave wave;
  Placement placement;
  std::uint8_t code;
  // Steered only: the kinds that bank left and right, taken when the player
  // is more than 64 pixels to that side.
  std::uint8_t bankLeft, bankRight;
};

// clang-format off
inline constexpr auto kWaveKinds = std::to_array<WaveKind>({
    // wave         placement               code  banks: left right
    {Wave::Scenery, Placement::FreeColumn,  50,   0,  0},
    {Wave::Scenery, Placement::FreeColumn,  51,   0,  0},
    {Wave::Scenery, Placement::FreeColumn,  52,   0,  0},
    {Wave::First,   Placement::Column32,     1,   0,  0},
    {Wave::First,   Placement::Column32,     2,   0,  0},
    {Wave::First,   Placement::Column32,     3,   0,  0},
    {Wave::First,   Placement::Column32,     4,   0,  0},
    {Wave::First,   Placement::Column32,     5,   0,  0},
    {Wave::First,   Placement::Steered,     41,  43, 42},
    {Wave::First,   Placement::Column32,    44,   0,  0},
    {Wave::Second,  Placement::Column64,    46,   0,  0},
    {Wave::Second,  Placement::Column64,    45,   0,  0},
    {Wave::Third,   Placement::Column128,   47,   0,  0},
    {Wave::Third,   Placement::FreeColumn,  58,   0,  0},
    {Wave::Third,   Placement::FreeColumn,  57,   0,  0},
});
// clang-format on
static_assert(kWaveKinds.size() == 15);

// Every wave row names kinds that have rows and arrive from the top or the
// bottom, and only surface kinds look for a free column.
constexpr bool wavesMatchKinds(std::span<const WaveKind> waves, std::span<const EnemyKind> kinds) {
  auto spawnable = [&kinds](std::uint8_t code) {
    const EnemyKind& kind = findKind(kinds, code);
    return kind.code != 0 && (kind.arrival == Arrival::Top || kind.arrival == Arrival::Bottom);
  };
  for (const WaveKind& row : waves) {
    if (!spawnable(row.code)) return false;
    const bool surface = findKind(kinds, row.code).pool == KindPool::Surface;
    if ((row.placement == Placement::FreeColumn) != surface) return false;
    if (row.placement == Placement::Steered && !(spawnable(row.bankLeft) && spawnable(row.bankRight))) return false;
  }
  return true;
}
static_assert(wavesMatchKinds(kWaveKinds, kEnemyKinds));

}  // namespace shooter
