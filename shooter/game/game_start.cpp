// Start-up values of the game and the start of a new game.
#include <cmath>

#include "assets/sheet_layout.h"
#include "shooter/game/game.h"
#include "shooter/game/game_entity.h"
#include "shooter/game/game_state.h"
#include "platform/platform.h"
#include "shooter/game/game_context.h"
#include "shooter/media/sound_bank.h"

namespace shooter {

namespace {
constexpr SpriteRect rect(const assets::SheetRect& r) { return {r.x1, r.x2, r.y1, r.y2}; }
}  // namespace

void initGameValues() {
  playerCollisionDamage = 40;
  unitCollisionDamage = 50;
  backgroundOffset = -32.0f;
  backgroundPhase = 0;
  playerPhase = 0;
  playerFrames = {rect(assets::kPlayerFrame1), rect(assets::kPlayerFrame2), rect(assets::kPlayerFrame3)};
  gameOverReady = false;
}

void startGame() {
  const int h = platform::screenHeight();
  game.playerY = static_cast<std::int32_t>(std::lround(h / 2.0 + h / 4.0));
  game.score = 0;
  startEngineLoop();
  GameEntity& banner = pickups[findFreeSlot(pickups)];
  banner.spriteCode = 88;
  banner.x = static_cast<float>(platform::screenWidth() / 2.0 - 50.0);
  banner.y = static_cast<float>(platform::screenHeight() / 2.0 - 10.0);
  banner.dx = 0.0f;
  banner.dy = 0.0f;
  banner.active = 1;
  banner.frame = 1;
  banner.lifeTimer = 4;
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
