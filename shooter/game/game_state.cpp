// Storage of the game state and pools, and resetGame.
#include "shooter/game/game_state.h"

#include <cmath>

#include "platform/platform.h"
#include "shooter/game/enemy_catalogue.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_entity.h"

namespace shooter {

GameState game;
GameContext gameContext;
UnitPool surfaceUnits;
UnitPool aircraft;
ShotPool shots;
UnitPool explosions;
UnitPool pickups;

void clearPools() {
  surfaceUnits.clear();
  aircraft.clear();
  shots.clear();
  explosions.clear();
  pickups.clear();
}

void resetGame(GameReset what) {
  const Backdrop backdrop = game.backdrop;
  game = GameState{};
  game.playerX = static_cast<std::int32_t>(std::lround(platform::screenWidth() / 2.0));
  if (what == GameReset::NewGame) {
    game.backdrop = backdrop;
    clearPools();
    return;
  }
  // Start-up: the shipped kinds, and every record as the program first had
  // it. A new game frees the slots but leaves what creators do not write (a
  // unit's fire timer), so a program started again in the same process
  // plays as it did the first time.
  useEnemyKinds(kEnemyKinds, kWaveKinds);
  surfaceUnits = UnitPool{};
  aircraft = UnitPool{};
  shots = ShotPool{};
  explosions = UnitPool{};
  pickups = UnitPool{};
}

}  // namespace shooter
