// The table of the ten best scores.
#include "assets/sheet_layout.h"
#include "platform/platform.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/menu_keys.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"
#include "shooter/shell/world_scores.h"

namespace shooter {

void highScoresScreen() {
  leaveToMenuOnKey();
  declareTapAnywhere();
  platform::clearWorkPage();
  drawSprite(centredX(-58), centredY(-140), assets::kHighScoreTitle, false);
  for (int i = 1; i <= kHighScoreCount; ++i) {
    const auto& entry = shell.highScores[static_cast<std::size_t>(i)];
    const int y = centredY(20.0 * i - 110);
    drawText(centredX(-120), y, entry.name);
    drawText(centredX(50), y, std::to_string(entry.score));
  }
  // The world table's answer about this run's last submission, centred
  // below the ten rows (which end 102 pixels below the centre).
  if (const std::string world = worldScoreLine(); !world.empty()) {
    drawText(centredX(-textWidth(world) / 2.0), centredY(120), world);
  }
}

}  // namespace shooter
