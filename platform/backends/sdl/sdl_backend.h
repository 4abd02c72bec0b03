// The SDL2 backend: a real window, pages shown through one streaming texture
// of the pages' own pixel format, keyboard events mapped to set-1 scancodes.
#pragma once

#include <memory>

#include "platform/backend.h"

namespace platform {

struct RunOptions;

// Creates the SDL2 backend (SDL's video and game-controller subsystems start
// here). The options give the window scale.
std::unique_ptr<Backend> makeSdlBackend(const RunOptions& options);

// Maps an SDL scancode to a set-1 scancode; 0 for keys the programs never use.
int set1FromSdlScancode(int sdlScancode);

}  // namespace platform
