// Bonus items in the pickups pool.
#include "shooter/game/bonuses.h"

#include <cmath>

#include "platform/platform.h"
#include "shooter/game/entity_creators.h"
#include "shooter/game/game_state.h"
#include "shooter/game/player.h"
#include "shooter/game/sprite_codes.h"
#include "shooter/game/enemy_catalogue.h"
#include "shooter/resources/sound_bank.h"

namespace shooter {

namespace {

constexpr std::int32_t kRepairBelow = 70;
constexpr std::uint8_t kMaxPower = 5;
constexpr std::int32_t kMaxLives = 5;
constexpr std::int32_t kLifeBelow = 2;
constexpr std::uint8_t kItemLifetime = 5;  // seconds

void explodeAndFree(GameEntity& u, bool large) {
  u.active = 0;
  if (large) {
    spawnExplosion(u.x + static_cast<float>(u.width - 64) / 2.0f, u.y + static_cast<float>(u.height - 64) / 2.0f,
                   kLargeExplosion);
  } else {
    spawnExplosion(u.x, u.y, kSmallExplosion);
  }
}

}  // namespace

std::uint8_t chooseBonus() {
  if (game.hp < kRepairBelow) return kBonusRepair;
  if (game.shootPower < kMaxPower) return kBonusPowerUp;
  if (game.lives < kLifeBelow) return kBonusExtraLife;
  return std::floor(platform::randomUnit() * 2) == 0 ? kBonusDestroyAll : kBonusResetBoss;
}

void dropBonus(float x, float y) {
  GameEntity& item = pickups[findFreeSlot(pickups)];
  item.x = x;
  item.y = y;
  item.dx = 0.0f;
  item.dy = kScrollSpeed;
  item.spriteCode = chooseBonus();
  item.active = 1;
  item.frame = 1;
  item.lifeTimer = 0;
}

void collectBonus(GameEntity& item) {
  playSample(Sample::Pickup);
  switch (item.spriteCode) {
    case kBonusExtraLife:
      if (game.lives < kMaxLives) ++game.lives;
      break;
    case kBonusPowerUp:
      if (game.shootPower < kMaxPower) ++game.shootPower;
      break;
    case kBonusDestroyAll: destroyAll(); break;
    case kBonusRepair: game.hp = 100; break;
    case kBonusResetBoss: game.bossTime = 0; break;
    default: break;  // the start banner: taken away early, nothing else
  }
  item.active = 0;
}

void destroyAll() {
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& u = surfaceUnits[i];
    if (u.active == 1 && collides(u.spriteCode, true)) explodeAndFree(u, explodesLarge(u.spriteCode, true));
    GameEntity& a = aircraft[i];
    if (a.active == 1) explodeAndFree(a, explodesLarge(a.spriteCode, false));
  }
}

bool agePickups() {
  bool bannerExpired = false;
  bool bannerShowing = false;
  for (int i = 1; i <= UnitPool::kLast; ++i) {
    GameEntity& p = pickups[i];
    if (p.active != 1) continue;
    p.lifeTimer = static_cast<std::uint8_t>(p.lifeTimer + 1);
    if (p.lifeTimer > kItemLifetime) {
      p.active = 0;
      if (p.spriteCode == kGameOverBanner) bannerExpired = true;
    } else if (p.spriteCode == kGameOverBanner) {
      bannerShowing = true;
    }
  }
  // A full pool hands out slot 1 again, which may hold the banner; without
  // this the game would wait for a banner that can no longer expire.
  const bool bannerLost = game.lives <= 0 && !bannerShowing;
  return bannerExpired || bannerLost;
}

}  // namespace shooter
