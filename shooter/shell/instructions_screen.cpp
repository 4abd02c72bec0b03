// How to play: the goal, the five bonuses with their icons, and Enter to start.
#include <array>

#include "assets/sheet_layout.h"
#include "platform/platform.h"
#include "shooter/game/game.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/game_capture.h"
#include "shooter/shell/menu_keys.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

struct BonusLine {
  const char* text;
  int dy;  // of the text; the icon sits 10 pixels higher
  assets::SheetRect icon;
};

constexpr auto kBonusLines = std::to_array<BonusLine>({
    {"SHOOT POWER UP", -80, assets::kBonusPowerUp},
    {"REPAIR SHIELD", -40, assets::kBonusRepair},
    {"DESTROYS ALL ENEMIES ON SCREEN", 0, assets::kBonusDestroyAll},
    {"RESET BOSS TIME", 40, assets::kBonusResetBoss},
    {"EXTRA LIFE", 80, assets::kBonusExtraLife},
});
static_assert(kBonusLines.size() == 5);

}  // namespace

void instructionsScreen() {
  declareTapAnywhere();
  if (menuKeyGateOpen(false)) {
    if (platform::keyDown(platform::key::Enter) || platform::keyDown(platform::key::Space)) {
      changeScreen(ScreenState::Playing);
      startGame();
      noteGameStarted();
    }
    shell.lastKeyTime = shell.frameClock.now;
  }
  platform::clearWorkPage();
  drawText(centredX(-160), centredY(-160), "DESTROY EVERY ENEMY YOU CAN!");
  drawText(centredX(-160), centredY(-120), "LIST OF BONUSES:");
  for (const auto& line : kBonusLines) {
    drawText(centredX(-140), centredY(line.dy), line.text);
    drawSprite(centredX(-180), centredY(line.dy - 10), line.icon, true);
  }
  drawText(centredX(-100), platform::screenHeight() - 50, "PRESS ENTER TO START!");
}

}  // namespace shooter
