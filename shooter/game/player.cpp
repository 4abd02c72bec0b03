// The player's craft.
#include "shooter/game/player.h"

#include "platform/platform.h"
#include "shooter/game/entity_creators.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_entity.h"
#include "shooter/game/game_state.h"
#include "shooter/game/volley_table.h"
#include "shooter/resources/sound_bank.h"

namespace shooter {

namespace {

constexpr int kStep = 3;
constexpr int kBottomMargin = 50;
constexpr std::int32_t kFullShield = 100;
constexpr std::uint8_t kBlinkTicks = 20;  // about 2 s of blinking
constexpr std::int32_t kOffScreenX = -10000;

}  // namespace

void movePlayer() {
  using namespace platform::key;
  if (platform::keyDown(Down) && game.playerY < platform::screenHeight() - kBottomMargin) game.playerY += kStep;
  if (platform::keyDown(Up) && game.playerY > 0) game.playerY -= kStep;
  if (platform::keyDown(Left) && game.playerX > 0) game.playerX -= kStep;
  if (platform::keyDown(Right) && game.playerX < platform::screenWidth() - kPlayerWidth) game.playerX += kStep;
}

void keypadPlusBoost() {
  if (platform::keyDown(platform::key::KpPlus)) game.bossTime += 2;
}

bool actionKeys(bool actionKeyDown, double& lastKeyTime) {
  using namespace platform::key;
  if (!actionKeyDown || !(gameContext.now - lastKeyTime > kFireGate)) return false;
  // Esc and a fire key together both act: the volley leaves as the game pauses.
  const bool pause = platform::keyDown(Esc);
  if (platform::keyDown(Ctrl) || platform::keyDown(Space)) fireVolley();
  lastKeyTime = gameContext.now;
  return pause;
}

void fireVolley() {
  const auto px = static_cast<float>(game.playerX);
  const auto py = static_cast<float>(game.playerY);
  for (const VolleyShot& s : kVolleyShots) {
    if (game.shootPower < s.minPower || game.shootPower > s.maxPower) continue;
    fireShot(px + s.x, py + s.y, s.dx, s.dy, kPlayerSide, s.spriteCode, s.damage);
  }
}

void loseShield(std::int32_t damage) {
  game.hp -= damage;
  if (game.hp > 0) return;
  game.hp = kFullShield;
  const std::int32_t livesBefore = game.lives;
  game.lives -= 1;
  game.shootPower = 1;
  game.blinkCounter = kBlinkTicks;
  if (livesBefore != 1) return;
  haltAllSounds();
  showBanner(kGameOverBanner, 20.0, 2);
  game.playerX = kOffScreenX;
}

void blinkTick() {
  if (game.blinkCounter > 1) {
    --game.blinkCounter;
    game.playerVisible = game.blinkCounter & 1;
  }
}

void drawPlayer() {
  if (game.playerVisible != 1) return;
  drawSprite(game.playerX, game.playerY, kPlayerFrames[static_cast<std::size_t>(game.backdrop.propellerPhase % 3)], true);
  game.backdrop.propellerPhase = (game.backdrop.propellerPhase + 1) % 3;
}

}  // namespace shooter
