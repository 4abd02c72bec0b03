// The SDL2 backend: a real window, pages shown through one streaming texture
// of the pages' own pixel format, keyboard and game pad events reported as they happen.
#pragma once

#include <memory>
#include <string>

#include "platform/backend.h"

namespace platform {

struct RunOptions;

// Creates the SDL2 backend (SDL's video and game-controller subsystems start
// here). The options give the window scale. When SDL's video does not start
// it returns null and says why in `error`.
std::unique_ptr<Backend> makeSdlBackend(const RunOptions& options, std::string& error);

// Maps an SDL scancode to a set-1 scancode; 0 for keys that have none.
int set1FromSdlScancode(int sdlScancode);

}  // namespace platform
