// The game may include its own room, the media and the platform core.
#include "platform/image.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/sprite_sheet.h"

int probeGameRoom() { return static_cast<int>(sizeof(shooter::GameState)); }
