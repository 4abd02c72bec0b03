// Every sprite code the game gives a meaning, and the code ranges that give a
// unit without a kind its properties. A code is a byte: the unit's row of the animation
// table (anim_data.dat) and, for enemies, its row of kEnemyKinds. The
// player's own row, 90, is kPlayerAnim in shooter/resources/sprite_sheet.h.
#pragma once

#include <cstdint>

namespace shooter {

// ---- Aircraft -----------------------------------------------------------------
// 1 to 5 light planes, 41 to 43 divers, 44 a climber, 45 and 46 gunships,
// 47 the bomber, 49 the boss. The kinds' codes are their rows in
// kEnemyKinds and kWaveKinds; the code keeps names only for those it treats
// apart.
inline constexpr std::uint8_t kBossCode = 49;

// ---- Surface units ------------------------------------------------------------
// 50 to 52 scenery, 56 to 58 guns, 87 the boss's arrival.
inline constexpr std::uint8_t kSceneryCode = 50;  // the first of the three islands
inline constexpr std::uint8_t kGunTurret = 56;
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
// A code without a row of its pool in kEnemyKinds (a unit written by hand, a
// damaged code) fights by its number: unit_traits.h turns these bounds into
// its traits. The kinds' own traits are columns of their rows.
inline constexpr std::uint8_t kSurfaceCollideFrom = 53;    // lower surface codes are scenery
inline constexpr std::uint8_t kAircraftCollideBelow = 52;  // higher aircraft codes fly through
inline constexpr std::uint8_t kLowSurfaceCode = 55;        // surface codes up to here lie under the rest
inline constexpr std::uint8_t kLargeSurfaceFrom = 56;
inline constexpr std::uint8_t kLargeAircraftFrom = 45;
inline constexpr std::uint8_t kBonusAircraftFrom = 47;

}  // namespace shooter
