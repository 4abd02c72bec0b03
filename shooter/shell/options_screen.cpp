// The options screen: eight items edited on working copies; ACCEPT applies
// them, reopens the screen and saves settings.dat, CANCEL drops them.
#include <array>
#include <cmath>
#include <iostream>

#include "assets/sheet_layout.h"
#include "platform/platform.h"
#include "shooter/resources/sound_bank.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/menu_keys.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

constexpr int kItemCount = 8;
enum Item { Resolution, FullScreen, DesiredFps, CollisionType, CollisionRate, Volume, Accept, Cancel };

constexpr std::array<const char*, 3> kResolutionNames{"400 X 300", "512 X 384", "640 X 480"};

void applyAccepted() {
  Settings& settings = shell.settings;
  settings.resolution = shell.working.resolution;
  settings.fullScreen = shell.working.fullScreen;
  settings.desiredFps = shell.working.desiredFps;
  settings.collisionType = shell.working.collisionType;
  settings.collisionRate = shell.working.collisionRate;
  // Not FramePacing::Set: a new rate eases in through the loop's pacing
  // correction (see FramePacing::Keep).
  deriveFromSettings(FramePacing::Keep);
  shell.layout = &layoutFor(settings.resolution);
  platform::openScreen(shell.layout->width, shell.layout->height, 2, settings.fullScreen == 1);
  const auto saved = saveSettings(settings);
  if (!saved.ok) std::cerr << "shooter: cannot save " << kSettingsFile << ": " << saved.reason << '\n';
}

void chooseItem() {
  switch (shell.menuCursor) {
    case Resolution:
      if (++shell.working.resolution > 2) shell.working.resolution = 1;
      break;
    case FullScreen:
      shell.working.fullScreen = static_cast<std::uint8_t>(~shell.working.fullScreen & 1u);
      break;
    case DesiredFps:
      shell.working.desiredFps = shell.working.desiredFps == 50 ? 33 : 50;
      break;
    case CollisionType:
      shell.working.collisionType = static_cast<std::uint8_t>(~shell.working.collisionType & 1u);
      break;
    case CollisionRate:
      shell.working.collisionRate = static_cast<std::uint8_t>(shell.working.collisionRate % 50 + 10);
      break;
    case Volume: {
      std::uint8_t& volume = shell.settings.volume;
      volume = static_cast<std::uint8_t>(volume + 16);
      if (volume > 128) volume = 0;
      setVolume(volume);
      playSample(Sample::Pickup);
      break;
    }
    case Accept:
      applyAccepted();
      changeScreen(ScreenState::MainMenu);
      break;
    case Cancel:
      copySettingsToWorking();
      deriveFromSettings(FramePacing::Keep);
      changeScreen(ScreenState::MainMenu);
      break;
    default:
      break;
  }
}

void optionKeys() {
  if (!menuKeyGateOpen(true)) return;
  if (platform::keyDown(platform::key::Esc)) {
    // Esc takes back only the resolution and full-screen edits; the other
    // working copies keep theirs for the next visit.
    shell.working.resolution = shell.settings.resolution;
    shell.working.fullScreen = shell.settings.fullScreen;
    changeScreen(ScreenState::MainMenu);
  } else {
    if (platform::keyDown(platform::key::Enter) || platform::keyDown(platform::key::Space)) chooseItem();
    // Up and Down act after Enter, and only while the screen is still open.
    if (shell.screenState == ScreenState::Options) {
      moveMenuCursor(kItemCount);
    }
  }
  shell.lastKeyTime = shell.frameClock.now;
}

}  // namespace

void leaveOptions() { shell.menuCursor = 0; }

void optionsScreen() {
  optionKeys();
  declareMenuTaps(kItemCount, centredX(-175), centredX(185), 73.0, 30.0);
  platform::clearWorkPage();
  const int labelX = centredX(-150);
  const int valueX = centredX(40);
  drawText(labelX, 80, "RESOLUTION: ");
  if (shell.working.resolution < kResolutionNames.size()) drawText(valueX, 80, kResolutionNames[shell.working.resolution]);
  drawText(labelX, 110, "FULL SCREEN: ");
  drawText(valueX, 110, shell.working.fullScreen == 1 ? "YES" : "NO");
  drawText(labelX, 140, "DESIRED FPS:");
  drawText(valueX, 140, std::to_string(shell.working.desiredFps));
  drawText(labelX, 170, "COLLISIONS TYPE:");
  drawText(valueX, 170, shell.working.collisionType != 0 ? "PER PIXEL" : "SIMPLE");
  drawText(labelX, 200, "COLLISIONS RATE:");
  drawText(valueX, 200, std::to_string(shell.working.collisionRate) + " PS");
  drawText(labelX, 230, "VOLUME: ");
  drawText(valueX, 230, std::to_string(shell.settings.volume));
  drawText(centredX(-25), 260, "ACCEPT");
  drawText(centredX(-25), 290, "CANCEL");
  const int y = 80 + 30 * shell.menuCursor;
  drawSprite(centredX(-162), y, assets::kPointerLeft, true);
  drawSprite(centredX(162), y, assets::kPointerRight, true);
}

}  // namespace shooter
