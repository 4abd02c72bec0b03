// A game in PER PIXEL mode with every pool full and on screen, for the
// benchmarks of the playing frame and of the collision pass. Runs start-up on
// the headless backend in a temporary folder, then paints a sheet whose
// sprites are solid ellipses so pixel tests both hit and miss inside
// overlapping boxes, as real art does.
#pragma once

#include "shooter/game/game_entity.h"
#include "shooter/game/game_state.h"

namespace bench {

struct PoolSnapshot {
  shooter::UnitPool surface, air, blasts, items;
  shooter::ShotPool shotPool;
  shooter::GameState state;
};

// Start-up, the bench sheet and its mask, PER PIXEL collisions with a pass
// every frame, state Playing.
void setUpFullGame();
// The same after a start-up on the platform already running (the browser's
// busy page): the bench sheet, PER PIXEL every frame, state Playing.
void prepareFullGame();
// Fills all five pools (100 units of each kind, 200 shots) and returns them.
PoolSnapshot fillPools();
// Puts the pools and the game state back as they were filled.
void restore(const PoolSnapshot& snapshot);
// Ends the headless platform the set-up started.
void tearDownFullGame();

}  // namespace bench
