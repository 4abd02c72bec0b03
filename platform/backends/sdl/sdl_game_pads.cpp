// Game pad handling for the SDL backend.
#include "platform/backends/sdl/sdl_game_pads.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "platform/system.h"
#include "platform/text_file.h"

namespace platform {

namespace {

struct PadButtonRow {
  SDL_GameControllerButton sdl;
  PadButton button;
};

// SDL's controller buttons of the standard layout.
constexpr std::array<PadButtonRow, kPadButtonCount> kPadButtons{{
    {SDL_CONTROLLER_BUTTON_A, PadButton::South},
    {SDL_CONTROLLER_BUTTON_B, PadButton::East},
    {SDL_CONTROLLER_BUTTON_X, PadButton::West},
    {SDL_CONTROLLER_BUTTON_Y, PadButton::North},
    {SDL_CONTROLLER_BUTTON_BACK, PadButton::Back},
    {SDL_CONTROLLER_BUTTON_GUIDE, PadButton::Guide},
    {SDL_CONTROLLER_BUTTON_START, PadButton::Start},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, PadButton::LeftStick},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, PadButton::RightStick},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadButton::LeftShoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadButton::RightShoulder},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::DpadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::DpadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::DpadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::DpadRight},
}};
static_assert(kPadButtons.size() == 15);

// SDL reports stick travel from -32768 to 32767.
constexpr double kAxisRange = 32767.0;

}  // namespace

std::optional<PadButton> padButtonFromSdl(int sdlButton) {
  for (const auto& row : kPadButtons) {
    if (row.sdl == sdlButton) return row.button;
  }
  return std::nullopt;
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

bool GamePads::handle(const SDL_Event& event, InputSink& sink) {
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
      sink.padRemoved();
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (const auto button = padButtonFromSdl(event.cbutton.button)) {
        sink.padButton(*button, event.type == SDL_CONTROLLERBUTTONDOWN);
      }
      return true;
    case SDL_CONTROLLERAXISMOTION:
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX || event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
        const PadAxis axis = event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ? PadAxis::LeftX : PadAxis::LeftY;
        sink.padAxis(axis, std::max(-1.0, event.caxis.value / kAxisRange));
      }
      return true;
    default:
      return false;
  }
}

}  // namespace platform
