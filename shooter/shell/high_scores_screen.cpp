// The table of the ten best scores.
#include "assets/sheet_layout.h"
#include "platform/platform.h"
#include "shooter/media/sprite_sheet.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

void highScoresScreen() {
  if (menuKeyGateOpen(false)) {
    if (platform::keyDown(platform::key::Esc) || platform::keyDown(platform::key::Enter) ||
        platform::keyDown(platform::key::Space)) {
      shell.screenState = ScreenState::MainMenu;
    }
    shell.lastKeyTime = shell.frameClock.now;
  }
  platform::clearWorkPage();
  const auto& t = assets::kHighScoreTitle;
  drawSprite(centredX(-58), centredY(-140), {t.x1, t.x2, t.y1, t.y2}, false);
  for (int i = 1; i <= kHighScoreCount; ++i) {
    const auto& entry = highScores[static_cast<std::size_t>(i)];
    const int y = centredY(20.0 * i - 110);
    drawText(centredX(-120), y, entry.name);
    drawText(centredX(50), y, std::to_string(entry.score));
  }
}

}  // namespace shooter
