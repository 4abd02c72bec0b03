// The waves: scenery every 4 s, wave 1 (light planes and divers), wave 2
// (gunships) and wave 3 (bomber or surface guns), each on its own counter.
#include "shooter/game/spawner.h"

#include <cmath>

#include "platform/platform.h"
#include "shooter/game/enemy_kinds.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_state.h"
#include "shooter/game/sprite_codes.h"
#include "shooter/game/sprite_info.h"

namespace shooter {

namespace {

constexpr std::uint8_t kSceneryTicks = 39;  // a new island once the counter passes this
constexpr int kDiverCone = 64;

int randomBelow(int n) { return static_cast<int>(std::floor(platform::randomUnit() * n)); }

float arrivalY(const EnemyKind& kind) {
  return static_cast<float>(kind.arrival == Arrival::Bottom ? platform::screenHeight() + kind.arrivalY : kind.arrivalY);
}

// A unit of a kind at its arrival height, drifting by the kind's step.
void spawnKind(std::uint8_t code, float x, float dx) {
  const EnemyKind& kind = enemyKind(code);
  UnitPool& pool = kind.pool == KindPool::Surface ? surfaceUnits : aircraft;
  placeUnit(pool, code, x, arrivalY(kind), dx, kind.dyScrolls * kScrollSpeed, kind.statsCode);
}

// A surface unit in a free column; returns its slot, or 0 when every
// column was blocked and the spawn is skipped.
std::uint8_t spawnSurface(std::uint8_t code, std::uint8_t kindForPosition) {
  const auto at = surfaceSpawnPosition(kindForPosition);
  if (!at) return 0;
  const EnemyKind& kind = enemyKind(code);
  return placeUnit(surfaceUnits, code, at->x, at->y, 0.0f, kind.dyScrolls * kScrollSpeed, kind.statsCode);
}

void spawnScenery() {
  const std::uint8_t slot = spawnSurface(static_cast<std::uint8_t>(kSceneryCode + randomBelow(3)), kSceneryCode);
  // Scenery is never hit; it carries no hit points whatever the data says.
  if (slot != 0) surfaceUnits[slot].hitPoints = 0;
}

void spawnWave1() {
  const int k = randomBelow(7) + 1;
  const float x = spawnColumnX(32, gameContext.grid.columns32);
  if (k <= 5) {
    spawnKind(static_cast<std::uint8_t>(k), x, 0.0f);
  } else if (k == 6) {
    // The diver steers towards where the player was and banks that way.
    const auto e = static_cast<std::int32_t>(std::lround(static_cast<double>(game.playerX) - std::floor(static_cast<double>(x))));
    const std::uint8_t code = e > kDiverCone ? kDiverRight : (e < -kDiverCone ? kDiverLeft : kDiverStraight);
    const float height = static_cast<float>(platform::screenHeight() > 0 ? platform::screenHeight() : 1);
    spawnKind(code, x, static_cast<float>(e) / height * 2.0f);
  } else {
    spawnKind(44, x, 0.0f);
  }
}

void spawnWave2() {
  const std::uint8_t code = randomBelow(2) == 1 ? 45 : 46;
  spawnKind(code, spawnColumnX(64, gameContext.grid.columns64), 0.0f);
}

void spawnWave3() {
  switch (randomBelow(3)) {
    case 0: spawnKind(47, spawnColumnX(128, gameContext.grid.columns128), 0.0f); break;
    case 1: spawnSurface(58, 58); break;
    default: spawnSurface(57, 57); break;
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
    spawnScenery();
    game.sceneryCounter = 0;
  }
  if (game.wave1Counter >= game.wave1Threshold) {
    spawnWave1();
    game.wave1Counter = 0;
  }
  if (game.wave2Counter >= game.wave2Threshold) {
    spawnWave2();
    game.wave2Counter = 0;
  }
  if (game.wave3Counter >= game.wave3Threshold) {
    spawnWave3();
    game.wave3Counter = 0;
  }
}

}  // namespace shooter
