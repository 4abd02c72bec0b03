// The demo programs' library and the game are separate houses.
#include "shooter/game/game_state.h"
