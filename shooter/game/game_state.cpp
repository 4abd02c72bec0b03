// Storage of the game state and pools, and resetGame.
#include "shooter/game/game_state.h"

#include <cmath>

#include "platform/platform.h"
#include "shooter/game/game.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_entity.h"

namespace shooter {

GameState game;
GameContext gameContext;
GameTimers timers;
UnitPool surfaceUnits;
UnitPool aircraft;
ShotPool shots;
UnitPool explosions;
UnitPool pickups;

float backgroundOffset = -32.0f;
int backgroundPhase = 0;
std::array<SpriteRect, 3> playerFrames{};
int playerPhase = 0;

void resetGame() {
  game = GameState{};
  game.playerX = static_cast<std::int32_t>(std::lround(platform::screenWidth() / 2.0));
  timers = GameTimers{};
  gameOverReady = false;
  surfaceUnits.clear();
  aircraft.clear();
  shots.clear();
  explosions.clear();
  pickups.clear();
}

}  // namespace shooter
