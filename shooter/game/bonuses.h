// Bonus items: which one a destroyed unit leaves, what each does when the
// player flies into it, and how long it stays.
#pragma once

#include <cstdint>

#include "shooter/game/game_entity.h"
#include "shooter/game/sprite_codes.h"

namespace shooter {


// The bonus the player lacks most: repair below 70 shield, else power up
// below power 5, else a life below 2 lives, else destroy-all or boss-time
// reset at random.
std::uint8_t chooseBonus();
// Places the chosen bonus at (x, y), drifting with the sea.
void dropBonus(float x, float y);
// The pickup sample, the item's effect (banners have none), the item freed.
void collectBonus(GameEntity& item);
// Frees every surface target and every aircraft, the boss included, each
// with an explosion; scenery stays. No score and no bonuses.
void destroyAll();
// The 1 s tick's ageing of the pickups: an item older than 5 s is freed.
// Returns true when the game is over: the game-over banner has expired (or
// has gone, overwritten by a later item, while no life is left).
bool agePickups();

}  // namespace shooter
