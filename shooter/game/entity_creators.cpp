// Shots and explosions.
#include "shooter/game/entity_creators.h"

#include <cmath>

#include "platform/platform.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_entity.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/sound_bank.h"

namespace shooter {

namespace {

constexpr float kAimedShotSpeed = 2.0f;
constexpr std::uint8_t kEnemyShotDamage = 10;

void placeShot(float x, float y, float dx, float dy, std::uint8_t side, std::uint8_t spriteCode,
               std::uint8_t damage) {
  GameEntity& s = shots[findFreeSlot(shots)];
  s.x = x;
  s.y = y;
  s.dx = dx;
  s.dy = dy;
  s.side = side;
  s.spriteCode = spriteCode;
  s.damage = damage;
  s.active = 1;
  s.frame = 1;
}

}  // namespace

void fireShot(float x, float y, float dx, float dy, std::uint8_t side, std::uint8_t spriteCode,
              std::uint8_t damage) {
  placeShot(x, y, dx, dy, side, spriteCode, damage);
  if (gameContext.now - game.timers.lastShotSound >= kShotSoundGap) {
    if (spriteCode < kEnemyShotCode) playSample(Sample::Shot);
    game.timers.lastShotSound = gameContext.now;
  }
}

void fireAimedShot(float startX, float startY, float fromX, float fromY) {
  const float ex = fromX - static_cast<float>(game.playerX);
  const float ey = fromY - static_cast<float>(game.playerY);
  const float ax = std::fabs(ex);
  const float ay = std::fabs(ey);
  // The longer axis gets the full speed, the other its share; equal (or
  // both zero) gives full speed on both, so nothing divides by zero.
  float sx = kAimedShotSpeed;
  float sy = kAimedShotSpeed;
  if (ax > ay) {
    sy = kAimedShotSpeed * ay / ax;
  } else if (ay > ax) {
    sx = kAimedShotSpeed * ax / ay;
  }
  placeShot(startX, startY, ex > 0 ? -sx : sx, ey > 0 ? -sy : sy, kEnemySide, kEnemyShotCode, kEnemyShotDamage);
}

void showBanner(std::uint8_t spriteCode, double aboveCentre, std::uint8_t seconds) {
  GameEntity& banner = pickups[findFreeSlot(pickups)];
  banner.spriteCode = spriteCode;
  banner.x = static_cast<float>(platform::screenWidth() / 2.0 - 50.0);
  banner.y = static_cast<float>(platform::screenHeight() / 2.0 - aboveCentre);
  banner.dx = 0.0f;
  banner.dy = 0.0f;
  banner.active = 1;
  banner.frame = 1;
  banner.lifeTimer = seconds;
}

void spawnExplosion(float x, float y, std::uint8_t spriteCode) {
  // dx is left as the slot holds it: explosions never set it, so it stays 0.
  GameEntity& e = explosions[findFreeSlot(explosions)];
  e.x = x;
  e.y = y;
  e.spriteCode = spriteCode;
  e.dy = kScrollSpeed;
  e.active = 1;
  e.frame = 1;
  playSample(spriteCode == kLargeExplosion ? Sample::BigExplosion : Sample::Explosion);
}

}  // namespace shooter
