// The media room sits below the game.
#include "shooter/game/game_state.h"
