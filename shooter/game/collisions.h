// The collision pass: the player against surface units, aircraft, pickups
// and enemy shots, and player shots against surface units and aircraft.
#pragma once

#include "shooter/game/game_entity.h"
#include "shooter/game/sprite_codes.h"

namespace shooter {


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
