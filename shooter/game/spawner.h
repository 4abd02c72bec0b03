// Enemy and scenery spawning: three timed waves and the scenery generator,
// run on the game's 0.1 s tick.
#pragma once

#include <cstdint>
#include <optional>

#include "shooter/game/game_entity.h"

namespace shooter {

struct SpawnPoint {
  float x;
  float y;
};

// Draws before a surface spawn gives up: with every column blocked the
// spawn is skipped rather than stacked onto another unit.
inline constexpr int kSpawnColumnDraws = 16;

// Counts the four spawner counters on and spawns what is due.
void spawnTick();
// A free 64-pixel column at the arrival height of a surface kind (-64 for
// scenery 50, -98 for 57, -180 for 58, 0 for others); empty when
// kSpawnColumnDraws draws all fell on blocked columns.
std::optional<SpawnPoint> surfaceSpawnPosition(std::uint8_t kind);
// Fills a fresh slot of `pool` as a unit of `code`, with the hit points and
// box of `statsCode` and frame 1. The rest of the record, the fire timer
// among it, is left as the slot's last owner left it. Returns the slot.
std::uint8_t placeUnit(UnitPool& pool, std::uint8_t code, float x, float y, float dx, float dy,
                       std::uint8_t statsCode);
// x = 32 + step * floor(r * columns): a random spawn column.
float spawnColumnX(int step, int columns);

}  // namespace shooter
