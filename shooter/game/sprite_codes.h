// Every sprite code the game gives a meaning, and the code ranges that give a
// unit its properties. A code is a byte: the unit's row of the animation
// table (anim_data.dat) and, for enemies, its row of kEnemyKinds. The
// player's own row, 90, is kPlayerAnim in shooter/media/sprite_sheet.h.
#pragma once

#include <cstdint>

namespace shooter {

// ---- Aircraft -----------------------------------------------------------------
// 1 to 5 light planes, 41 to 43 divers, 44 a climber, 45 and 46 gunships,
// 47 the bomber, 49 the boss.
inline constexpr std::uint8_t kDiverStraight = 41;
inline constexpr std::uint8_t kDiverRight = 42;
inline constexpr std::uint8_t kDiverLeft = 43;
inline constexpr std::uint8_t kBossCode = 49;

// ---- Surface units ------------------------------------------------------------
// 50 to 52 scenery, 56 to 58 guns, 87 the boss's arrival.
inline constexpr std::uint8_t kSceneryCode = 50;  // the first of the three islands
inline constexpr std::uint8_t kGunTurret = 56;
inline constexpr std::uint8_t kOpeningTurret = 57;
inline constexpr std::uint8_t kBossArrivalCode = 87;

// ---- Shots, explosions, bonuses, banners --------------------------------------
inline constexpr std::uint8_t kEnemyShotCode = 68;  // player shots are the codes below
inline constexpr std::uint8_t kSmallExplosion = 70;
inline constexpr std::uint8_t kLargeExplosion = 71;
inline constexpr std::uint8_t kBonusExtraLife = 79;
inline constexpr std::uint8_t kBonusPowerUp = 80;
inline constexpr std::uint8_t kBonusDestroyAll = 81;
inline constexpr std::uint8_t kBonusRepair = 82;
inline constexpr std::uint8_t kBonusResetBoss = 83;
inline constexpr std::uint8_t kStartBanner = 88;
inline constexpr std::uint8_t kGameOverBanner = 89;

// ---- Ranges ---------------------------------------------------------------------
// They hold for any code, so units written by hand or with damaged codes
// still behave by their number.
inline constexpr std::uint8_t kSurfaceCollideFrom = 53;    // lower surface codes are scenery
inline constexpr std::uint8_t kAircraftCollideBelow = 52;  // higher aircraft codes fly through
inline constexpr std::uint8_t kLowSurfaceCode = 55;        // surface codes up to here lie under the rest
inline constexpr std::uint8_t kLargeSurfaceFrom = 56;
inline constexpr std::uint8_t kLargeAircraftFrom = 45;
inline constexpr std::uint8_t kBonusAircraftFrom = 47;

// Whether a unit takes part in collisions (and in the destroy-all bonus).
constexpr bool collides(std::uint8_t code, bool surface) {
  return surface ? code >= kSurfaceCollideFrom : code < kAircraftCollideBelow;
}
// Whether a unit's end is the large explosion, centred on it.
constexpr bool explodesLarge(std::uint8_t code, bool surface) {
  return code >= (surface ? kLargeSurfaceFrom : kLargeAircraftFrom);
}
// Whether a unit shot down leaves a bonus: every large surface unit, and the
// large aircraft from the bomber up.
constexpr bool dropsBonus(std::uint8_t code, bool surface) {
  return explodesLarge(code, surface) && (surface || code >= kBonusAircraftFrom);
}

}  // namespace shooter
