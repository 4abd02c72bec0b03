// The orderly end of `shooter`.
#include "platform/platform.h"
#include "shooter/resources/sound_bank.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/program.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

void shutDown() {
  platform::setWorkPage(shell.pageA);
  platform::setVisiblePage(shell.pageA);
  closeAudio();
  platform::clearWorkPage();
  platform::locate(1, 1);
  platform::printText("Thanks!");
  platform::printText("Kestrel Shooter Game - thank you for playing.");
  platform::printText("For details look into Readme.txt");
  platform::sleepMs(1000);
  spriteSheet = platform::Image{};
  platform::closeScreen();
}

}  // namespace shooter
