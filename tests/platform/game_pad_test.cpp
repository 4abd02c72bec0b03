// Game pads: buttons and stick as keys, through SDL's virtual joystick on the
// dummy video driver, and the keyboard-and-pad key combiner.
#include <gtest/gtest.h>

#include <SDL.h>

#include <vector>

#include "platform/backend.h"
#include "platform/platform.h"
#include "platform/run_options.h"
#include "platform/backends/sdl/sdl_backend.h"
#include "platform/backends/sdl/sdl_game_pads.h"
#include "platform/system.h"

using namespace platform;

namespace {

struct RecordingSink final : InputSink {
  std::vector<std::pair<int, bool>> changes;
  int focusLosses = 0;
  std::vector<std::pair<int, bool>> padChanges;
  void keyChanged(int scancode, bool down) override { changes.emplace_back(scancode, down); }
  void padKeyChanged(int scancode, bool down) override { padChanges.emplace_back(scancode, down); }
  void keyText(std::string) override {}
  void closeRequested() override {}
  void focusLost() override { ++focusLosses; }
};

}  // namespace

TEST(GamePads, ButtonsStandForTheirKeys) {
  EXPECT_EQ(keyForPadButton(SDL_CONTROLLER_BUTTON_A), key::Space);
  EXPECT_EQ(keyForPadButton(SDL_CONTROLLER_BUTTON_B), key::Enter);
  EXPECT_EQ(keyForPadButton(SDL_CONTROLLER_BUTTON_START), key::Esc);
  EXPECT_EQ(keyForPadButton(SDL_CONTROLLER_BUTTON_DPAD_LEFT), key::Left);
  EXPECT_EQ(keyForPadButton(SDL_CONTROLLER_BUTTON_GUIDE), 0);
}

TEST(GamePads, AKeyHeldByBothSourcesIsReleasedByTheLastOne) {
  RecordingSink sink;
  KeyCombiner keys;
  keys.set(KeyCombiner::Keyboard, key::Space, true, sink);
  keys.set(KeyCombiner::Pad, key::Space, true, sink);
  keys.set(KeyCombiner::Keyboard, key::Space, false, sink);
  ASSERT_EQ(sink.changes.size(), 1u);
  keys.set(KeyCombiner::Pad, key::Space, false, sink);
  ASSERT_EQ(sink.changes.size(), 2u);
  EXPECT_EQ(sink.changes[1], std::make_pair(key::Space, false));
  keys.set(KeyCombiner::Pad, 999, true, sink);  // out of range: ignored
  EXPECT_EQ(sink.changes.size(), 2u);
  // The pad's own hold is reported apart, even while the keyboard holds the key.
  const std::vector<std::pair<int, bool>> padOnly{{key::Space, true}, {key::Space, false}};
  EXPECT_EQ(sink.padChanges, padOnly);
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
