// The heads-up display: the boss-time bar at the bottom centre, a column of
// life icons at the bottom left, score and shield at the top left.
#include "shooter/game/hud.h"

#include <algorithm>
#include <string>

#include "assets/sheet_layout.h"
#include "platform/platform.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/sprite_sheet.h"

namespace shooter {

namespace {


constexpr SpriteRect kBarFrame = assets::kBossBarFrame;
constexpr SpriteRect kBarEndCap = assets::kBossBarEndCap;
constexpr SpriteRect kBarFill = assets::kBossBarFill;
constexpr SpriteRect kLifeIcon = assets::kLifeIcon;
constexpr SpriteRect kScoreLabel = assets::kScoreLabel;

}  // namespace

void drawHud() {
  const int h = platform::screenHeight();
  const int barX = platform::screenWidth() / 2 - 83;
  drawSprite(barX, h - 20, kBarFrame, true);
  drawSprite(barX + 136, h - 20, kBarEndCap, true);
  // One column per unit of boss time, not held to the bar; columns beyond
  // the screen's right edge would be clipped anyway, so they are not drawn.
  const int columns = std::min(game.bossTime, platform::screenWidth());
  for (int i = 1; i <= columns; ++i) drawSprite(i + barX + 4, h - 15, kBarFill, false);
  for (int i = 1; i <= game.lives; ++i) drawSprite(4, h - 4 - i * 32, kLifeIcon, true);
  drawSprite(2, 20, kScoreLabel, true);
  drawText(2, 38, std::to_string(game.score));
  drawText(2, 64, "HP: " + std::to_string(game.hp));
}

}  // namespace shooter
