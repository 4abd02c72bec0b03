// Game pads through SDL's GameController API, acting as the keys they stand
// for: d-pad and left stick as the arrows, south button as Space, east as
// Enter, Start as Esc. Pads plugged in while running are opened at once; a
// pad pulled out reports a focus loss, so a running game pauses.
#pragma once

#include <SDL.h>

#include <array>
#include <vector>

#include "platform/backend.h"
#include "platform/key_codes.h"
#include "platform/key_combiner.h"

namespace platform {

// The key a controller button stands for, 0 for none.
int keyForPadButton(int sdlButton);

class GamePads {
 public:
  // Starts SDL's controller subsystem and reads a user's gamecontrollerdb.txt
  // (from SDL_GAMECONTROLLERCONFIG_FILE, the working folder or
  // $XDG_DATA_HOME/kestrel) when present.
  GamePads();
  ~GamePads();
  // Handles controller events; returns false for events of other kinds.
  bool handle(const SDL_Event& event, InputSink& sink, KeyCombiner& keys);

 private:
  void stick(int axis, int value, InputSink& sink, KeyCombiner& keys);
  std::vector<SDL_GameController*> pads_;
  std::array<int, 2> stickDirection_{};  // -1, 0, 1 for x and y
};

}  // namespace platform
