// Start-up of `shooter`, in its fixed order.
#include "platform/file_save.h"
#include "platform/platform.h"
#include "shooter/game/game.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/sound_bank.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/resources/asset_folder.h"
#include "platform/replay.h"
#include "shooter/shell/game_capture.h"
#include "shooter/shell/program.h"
#include "shooter/shell/replay_support.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

// Prints a start-up failure, waits so it can be read, and stops the loop.
void failStartUp(const char* message) {
  platform::printText(message);
  platform::sleepMs(1000);
  shell.running = false;
}

// Opens the screen for a resolution setting. 400x300 has a layout row of its
// own, so a file that asks for it gets it; values beyond the table open
// 640x480.
void openScreenFor(std::uint8_t resolution, std::uint8_t fullScreen) {
  shell.layout = &layoutFor(resolution);
  if (!platform::openScreen(shell.layout->width, shell.layout->height, 2, fullScreen == 1)) {
    failStartUp("Unable to open the screen!");
  }
}


}  // namespace

void startUp(const std::string& firstArgument, bool openSound, StartAssets assets) {
  resetShellState();
  platform::seedRandomFromTimer();

  // A save cut short by a crash leaves its temporary file; the real file is
  // whole. A replay leaves the player's files alone.
  if (!platform::isReplaying()) {
    platform::removeStaleSave(kSettingsFile);
    platform::removeStaleSave(kHighScoresFile);
  }

  const bool haveSettings = loadSettingsForRun();
  Settings& settings = shell.settings;
  if (haveSettings) {
    openScreenFor(settings.resolution, settings.fullScreen);
  } else {
    failStartUp("Settings file not found!");
  }
  platform::setWindowTitle("Kestrel Shooter Game");

  if (firstArgument.find("fps") != std::string::npos) shell.showFps = true;
  deriveFromSettings(FramePacing::Set);
  copySettingsToWorking();
  resetGame(GameReset::Everything);
  if (settings.volume > 128) settings.volume = 128;

  if (assets == StartAssets::Load) {
    platform::locate(shell.layout->loadingCell.row, shell.layout->loadingCell.column);
    platform::printText("Loading... Please wait.");
    loadSpriteSheet(assetPath("plik.bmp"));
  }
  shell.demoPlane.reset();
  if (assets == StartAssets::Load) {
    loadAnimations(assetPath("anim_data.dat"));
    initGlyphs();
  }

  handGameContext();
  resetGame();

  if (!loadHighScoresForRun()) failStartUp("High Scores not found!");

  if (assets == StartAssets::Load) {
    if (!openSound) {
      openSilentAudio(settings.volume);
    } else if (!openAudio(settings.volume, &platform::makeSoundDevice)) {
      failStartUp("Unable to open audio!");
    }
  }

  // A replay of one game goes on from the game's recorded start.
  if (shell.running) {
    if (const auto problem = startReplayedGameIfAny()) failStartUp(("The recorded game cannot start: " + *problem).c_str());
  }
}

}  // namespace shooter
