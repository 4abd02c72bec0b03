// The start of a new game and the game's summary line.
#include <cmath>

#include "platform/platform.h"
#include "shooter/game/entity_creators.h"
#include "shooter/game/game.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_entity.h"
#include "shooter/game/game_state.h"
#include "shooter/game/sprite_codes.h"
#include "shooter/resources/sound_bank.h"

namespace shooter {

void startGame() {
  const int h = platform::screenHeight();
  game.playerY = static_cast<std::int32_t>(std::lround(h / 2.0 + h / 4.0));
  game.score = 0;
  startEngineLoop();
  showBanner(kStartBanner, 10.0, 4);
}

std::string gameSummary() {
  std::string s;
  auto add = [&s](const char* name, long long value) { s += std::string(" ") + name + "=" + std::to_string(value); };
  add("score", game.score);
  add("lives", game.lives);
  add("hp", game.hp);
  add("power", game.shootPower);
  add("boss_time", game.bossTime);
  add("boss", game.bossActive);
  add("surface", surfaceUnits.liveCount());
  add("aircraft", aircraft.liveCount());
  add("shots", shots.liveCount());
  add("explosions", explosions.liveCount());
  add("pickups", pickups.liveCount());
  return s;
}

}  // namespace shooter
