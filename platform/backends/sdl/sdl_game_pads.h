// Game pads through SDL's GameController API: their buttons, left stick and
// removal are reported as they happen; the platform core's InputTranslator
// decides which keys they stand for. Pads plugged in while running are
// opened at once.
#pragma once

#include <SDL.h>

#include <optional>
#include <vector>

#include "platform/backend.h"

namespace platform {

// The standard-layout button of an SDL controller button; none for the
// buttons beyond that layout (paddles, touchpad).
std::optional<PadButton> padButtonFromSdl(int sdlButton);

class GamePads {
 public:
  // Starts SDL's controller subsystem and reads a user's gamecontrollerdb.txt
  // (from SDL_GAMECONTROLLERCONFIG_FILE, the working folder or
  // $XDG_DATA_HOME/kestrel) when present.
  GamePads();
  ~GamePads();
  // Handles controller events; returns false for events of other kinds.
  bool handle(const SDL_Event& event, InputSink& sink);

 private:
  std::vector<SDL_GameController*> pads_;
};

}  // namespace platform
