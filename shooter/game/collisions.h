// The collision pass: the player against surface units, aircraft, pickups
// and enemy shots, and player shots against surface units and aircraft.
#pragma once

#include "shooter/game/game_entity.h"

namespace shooter {

// Surface codes from this one up collide (50 to 52 are scenery); aircraft
// codes below kAircraftCollideBelow collide.
inline constexpr std::uint8_t kSurfaceCollideFrom = 53;
inline constexpr std::uint8_t kAircraftCollideBelow = 52;

// Runs the checks once the collision interval has passed since the last pass.
void collisionPass();
// Player shots look up the units of their own 32-pixel column instead of
// walking every slot (same tests, same order, far fewer box checks). Tests
// switch the lookup off to compare the two.
void useShotColumns(bool on);
// A unit's end: the score of its kind, an explosion by its size and, for
// the large kinds, a bonus.
void destroyUnit(GameEntity& unit, bool surface);

}  // namespace shooter
