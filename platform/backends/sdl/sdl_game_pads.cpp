// Game pad handling for the SDL backend.
#include "platform/backends/sdl/sdl_game_pads.h"

#include <cstdlib>
#include <string>

#include "platform/system.h"
#include "platform/text_file.h"

namespace platform {

namespace {

struct PadButtonRow {
  int button;
  int scancode;
};

constexpr std::array<PadButtonRow, 7> kPadButtons{{
    {SDL_CONTROLLER_BUTTON_DPAD_UP, key::Up},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, key::Down},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, key::Left},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, key::Right},
    {SDL_CONTROLLER_BUTTON_A, key::Space},
    {SDL_CONTROLLER_BUTTON_B, key::Enter},
    {SDL_CONTROLLER_BUTTON_START, key::Esc},
}};
static_assert(kPadButtons.size() == 7);

// Stick travel (of 32767) that counts as pushing, and the smaller travel
// under which it counts as released again, so a resting stick never flickers.
constexpr int kStickPress = 16000;
constexpr int kStickRelease = 12000;

}  // namespace

int keyForPadButton(int sdlButton) {
  for (const auto& row : kPadButtons) {
    if (row.button == sdlButton) return row.scancode;
  }
  return 0;
}

GamePads::GamePads() {
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  std::vector<std::string> files{"gamecontrollerdb.txt"};
  if (const std::string folder = system::userDataFolder(); !folder.empty()) {
    files.push_back(folder + "/gamecontrollerdb.txt");
  }
  for (const auto& f : files) {
    if (fileExists(f)) SDL_GameControllerAddMappingsFromFile(f.c_str());
  }
  // Pads already plugged in arrive as "device added" events at the first pump.
}

GamePads::~GamePads() {
  for (SDL_GameController* pad : pads_) SDL_GameControllerClose(pad);
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void GamePads::stick(int axis, int value, InputSink& sink, KeyCombiner& keys) {
  const std::size_t i = axis == SDL_CONTROLLER_AXIS_LEFTX ? 0 : 1;
  int direction = stickDirection_[i];
  if (value > kStickPress) direction = 1;
  else if (value < -kStickPress) direction = -1;
  else if (value > -kStickRelease && value < kStickRelease) direction = 0;
  if (direction == stickDirection_[i]) return;
  const int negative = i == 0 ? key::Left : key::Up;
  const int positive = i == 0 ? key::Right : key::Down;
  keys.set(KeyCombiner::Pad, negative, direction < 0, sink);
  keys.set(KeyCombiner::Pad, positive, direction > 0, sink);
  stickDirection_[i] = direction;
}

bool GamePads::handle(const SDL_Event& event, InputSink& sink, KeyCombiner& keys) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      if (SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which)) pads_.push_back(pad);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      for (auto it = pads_.begin(); it != pads_.end(); ++it) {
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(*it)) == event.cdevice.which) {
          SDL_GameControllerClose(*it);
          pads_.erase(it);
          break;
        }
      }
      for (const auto& row : kPadButtons) keys.set(KeyCombiner::Pad, row.scancode, false, sink);
      stickDirection_ = {};
      sink.focusLost();
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      keys.set(KeyCombiner::Pad, keyForPadButton(event.cbutton.button), event.type == SDL_CONTROLLERBUTTONDOWN, sink);
      return true;
    case SDL_CONTROLLERAXISMOTION:
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX || event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
        stick(event.caxis.axis, event.caxis.value, sink, keys);
      }
      return true;
    default:
      return false;
  }
}

}  // namespace platform
