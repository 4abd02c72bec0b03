// The scrolling sea of 32x32 tiles behind every screen but the title.
#include "assets/sheet_layout.h"
#include "shooter/game/game.h"
#include "shooter/game/game_state.h"
#include "shooter/game/game_context.h"

namespace shooter {

namespace {
constexpr SpriteRect toRect(const assets::SheetRect& r) { return {r.x1, r.x2, r.y1, r.y2}; }
constexpr std::array<SpriteRect, 2> kSeaTiles{toRect(assets::kSeaTile0), toRect(assets::kSeaTile1)};
}  // namespace

void advanceBackground() {
  backgroundOffset += kScrollSpeed;
  if (!(backgroundOffset < -32.0f)) backgroundOffset -= 32.0f;
}

void toggleBackgroundPhase() { backgroundPhase = 1 - backgroundPhase; }

void drawBackground() {
  const SpriteRect& tile = kSeaTiles[static_cast<std::size_t>(backgroundPhase & 1)];
  const int offset = static_cast<int>(backgroundOffset);
  for (int c = 1; c <= gameContext.grid.tileColumns; ++c) {
    for (int r = 1; r <= gameContext.grid.tileRows; ++r) {
      drawSprite(c * 32 - 32, r * 32 + offset, tile, false);
    }
  }
}

}  // namespace shooter
