// The waves: scenery every 4 s, wave 1, wave 2 and wave 3, each on its own
// counter; what each brings is its rows of the wave table.
#include "shooter/game/spawner.h"

#include <cmath>

#include "platform/platform.h"
#include "shooter/game/enemy_catalogue.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_state.h"
#include "shooter/game/sprite_info.h"

namespace shooter {

namespace {

constexpr std::uint8_t kSceneryTicks = 39;  // a new island once the counter passes this
constexpr int kSteerCone = 64;

int randomBelow(int n) { return static_cast<int>(std::floor(platform::randomUnit() * n)); }

float arrivalY(const EnemyKind& kind) {
  return static_cast<float>(kind.arrival == Arrival::Bottom ? platform::screenHeight() + kind.arrivalY : kind.arrivalY);
}

UnitPool& poolOf(const EnemyKind& kind) { return kind.pool == KindPool::Surface ? surfaceUnits : aircraft; }

// A unit of a kind at (x, y) drifting by dx and by the kind's own step.
// Kinds that never collide (the islands) carry no hit points, whatever their
// stats row says.
void spawnKind(std::uint8_t code, float x, float y, float dx) {
  const EnemyKind& kind = enemyKind(code);
  const std::uint8_t slot = placeUnit(poolOf(kind), code, x, y, dx, kind.dyScrolls * kScrollSpeed, kind.statsCode);
  if (!kind.collides) poolOf(kind)[slot].hitPoints = 0;
}

void spawnInColumn(std::uint8_t code, int step, int columns) {
  spawnKind(code, spawnColumnX(step, columns), arrivalY(enemyKind(code)), 0.0f);
}

// The steered kind heads for where the player was and banks that way.
void spawnSteered(const WaveKind& row) {
  const float x = spawnColumnX(32, gameContext.grid.columns32);
  const auto e = static_cast<std::int32_t>(std::lround(static_cast<double>(game.playerX) - std::floor(static_cast<double>(x))));
  const std::uint8_t code = e > kSteerCone ? row.bankRight : (e < -kSteerCone ? row.bankLeft : row.code);
  const float height = static_cast<float>(platform::screenHeight() > 0 ? platform::screenHeight() : 1);
  spawnKind(code, x, arrivalY(enemyKind(code)), static_cast<float>(e) / height * 2.0f);
}

void place(const WaveKind& row) {
  const PlayfieldGrid& grid = gameContext.grid;
  switch (row.placement) {
    case Placement::Column32: spawnInColumn(row.code, 32, grid.columns32); break;
    case Placement::Column64: spawnInColumn(row.code, 64, grid.columns64); break;
    case Placement::Column128: spawnInColumn(row.code, 128, grid.columns128); break;
    case Placement::Steered: spawnSteered(row); break;
    case Placement::FreeColumn:
      if (const auto at = surfaceSpawnPosition(row.code)) spawnKind(row.code, at->x, at->y, 0.0f);
      break;
  }
}

// Draws one of the wave's rows, each as likely as the others, and places it.
void spawnWave(Wave wave) {
  int rows = 0;
  for (const WaveKind& row : enemyCatalogue.waves) rows += row.wave == wave;
  if (rows == 0) return;
  int pick = randomBelow(rows);
  for (const WaveKind& row : enemyCatalogue.waves) {
    if (row.wave != wave) continue;
    if (pick-- == 0) {
      place(row);
      return;
    }
  }
}

}  // namespace

float spawnColumnX(int step, int columns) { return static_cast<float>(32 + step * randomBelow(columns)); }

std::uint8_t placeUnit(UnitPool& pool, std::uint8_t code, float x, float y, float dx, float dy,
                       std::uint8_t statsCode) {
  const std::uint8_t slot = findFreeSlot(pool);
  GameEntity& u = pool[slot];
  u.x = x;
  u.y = y;
  u.dx = dx;
  u.dy = dy;
  u.spriteCode = code;
  takeStats(u, statsCode);
  u.active = 1;
  u.frame = 1;
  // Nothing else of the record is written: the fire timer is the last
  // owner's, so a unit in a recycled slot may fire sooner than a fresh one.
  return slot;
}

std::optional<SpawnPoint> surfaceSpawnPosition(std::uint8_t kind) {
  const EnemyKind& row = enemyKind(kind);
  const bool arrivesFromTop = row.pool == KindPool::Surface && row.arrival == Arrival::Top && row.code == kind;
  const float y = arrivesFromTop ? static_cast<float>(row.arrivalY) : 0.0f;
  for (int draw = 0; draw < kSpawnColumnDraws; ++draw) {
    const float x = spawnColumnX(64, gameContext.grid.columns64);
    bool blocked = false;
    for (int i = 1; i <= UnitPool::kLast && !blocked; ++i) {
      const GameEntity& u = surfaceUnits[i];
      blocked = u.active == 1 && u.x > x - static_cast<float>(u.width) && u.x < x + 64.0f &&
                u.y > y - static_cast<float>(u.height) && u.y < 0.0f;
    }
    if (!blocked) return SpawnPoint{x, y};
  }
  return std::nullopt;
}

void spawnTick() {
  ++game.sceneryCounter;
  ++game.wave1Counter;
  ++game.wave2Counter;
  ++game.wave3Counter;
  if (game.sceneryCounter > kSceneryTicks) {
    spawnWave(Wave::Scenery);
    game.sceneryCounter = 0;
  }
  if (game.wave1Counter >= game.wave1Threshold) {
    spawnWave(Wave::First);
    game.wave1Counter = 0;
  }
  if (game.wave2Counter >= game.wave2Threshold) {
    spawnWave(Wave::Second);
    game.wave2Counter = 0;
  }
  if (game.wave3Counter >= game.wave3Threshold) {
    spawnWave(Wave::Third);
    game.wave3Counter = 0;
  }
}

}  // namespace shooter
