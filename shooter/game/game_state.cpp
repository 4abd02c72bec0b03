// Storage of the game state and pools, and resetGame.
#include "shooter/game/game_state.h"

#include <cmath>

#include "shooter/game/game.h"
#include "shooter/game/game_entity.h"
#include "platform/platform.h"
#include "shooter/game/game_context.h"

namespace shooter {

GameState game;
GameContext gameContext;
GameTimers timers;
UnitPool surfaceUnits;
UnitPool aircraft;
ShotPool shots;
UnitPool explosions;
UnitPool pickups;

std::int32_t playerCollisionDamage = 40;
std::int32_t unitCollisionDamage = 50;
float backgroundOffset = -32.0f;
int backgroundPhase = 0;
std::array<SpriteRect, 3> playerFrames{};
int playerPhase = 0;

void resetGame() {
  game = GameState{};
  game.playerX = static_cast<std::int32_t>(std::lround(platform::screenWidth() / 2.0));
  timers = GameTimers{};
  gameOverReady = false;
  surfaceUnits.cursor = aircraft.cursor = shots.cursor = explosions.cursor = pickups.cursor = 1;
  for (int i = 1; i <= 100; ++i) {
    surfaceUnits[i].active = 0;
    aircraft[i].active = 0;
    shots[i].active = 0;
    explosions[i].active = 0;
    pickups[i].active = 0;
  }
  for (int i = 100; i <= ShotPool::kLast; ++i) shots[i].active = 0;
}

}  // namespace shooter
