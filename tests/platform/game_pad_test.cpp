// Game pads: buttons and stick as keys, through SDL's virtual joystick on the
// dummy video driver.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/backend.h"
#include "platform/platform.h"
#include "platform/run_options.h"
#include "platform/backends/sdl/sdl_backend.h"
#include "platform/backends/sdl/sdl_game_pads.h"
#include "platform/system.h"

using namespace platform;

TEST(GamePads, SdlButtonsAreTheStandardLayout) {
  EXPECT_EQ(padButtonFromSdl(SDL_CONTROLLER_BUTTON_A), PadButton::South);
  EXPECT_EQ(padButtonFromSdl(SDL_CONTROLLER_BUTTON_B), PadButton::East);
  EXPECT_EQ(padButtonFromSdl(SDL_CONTROLLER_BUTTON_START), PadButton::Start);
  EXPECT_EQ(padButtonFromSdl(SDL_CONTROLLER_BUTTON_DPAD_LEFT), PadButton::DpadLeft);
  EXPECT_EQ(padButtonFromSdl(SDL_CONTROLLER_BUTTON_PADDLE1), std::nullopt);
}

TEST(GamePads, AVirtualPadPlaysThroughTheSdlBackend) {
  platform::system::setEnvironmentDefault("SDL_VIDEODRIVER", "dummy");
  RunOptions options;
  std::string error;
  auto sdl = makeSdlBackend(options, error);
  ASSERT_NE(sdl, nullptr) << error;
  ASSERT_FALSE(initPlatform(std::move(sdl), options).has_value());
  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, SDL_CONTROLLER_BUTTON_MAX, 0);
  if (index < 0) {
    shutdownPlatform();
    GTEST_SKIP() << "no virtual joysticks in this SDL: " << SDL_GetError();
  }
  SDL_Joystick* joystick = SDL_JoystickOpen(index);
  ASSERT_NE(joystick, nullptr);
  pendingKeyText();  // delivers "device added"
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, 1);
  SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, -30000);
  SDL_JoystickUpdate();
  SDL_GameControllerUpdate();
  pendingKeyText();
  EXPECT_TRUE(keyDown(key::Space));
  EXPECT_TRUE(keyDown(key::Left));
  EXPECT_TRUE(padKeyDown(key::Space));
  EXPECT_TRUE(padKeyDown(key::Left)) << "the stick is the pad's arrows";
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, 0);
  SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 0);
  SDL_JoystickUpdate();
  SDL_GameControllerUpdate();
  pendingKeyText();
  EXPECT_FALSE(keyDown(key::Space));
  EXPECT_FALSE(keyDown(key::Left));
  EXPECT_FALSE(padKeyDown(key::Left));
  EXPECT_FALSE(takePauseRequest());
  SDL_JoystickClose(joystick);
  SDL_JoystickDetachVirtual(index);
  pendingKeyText();
  EXPECT_TRUE(takePauseRequest()) << "pulling the pad out pauses";
  shutdownPlatform();
}
