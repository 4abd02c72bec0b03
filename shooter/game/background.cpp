// The scrolling sea of 32x32 tiles behind every screen but the title.
#include "assets/sheet_layout.h"
#include "shooter/game/game.h"
#include "shooter/game/game_context.h"
#include "shooter/game/game_state.h"

namespace shooter {

namespace {
constexpr std::array<SpriteRect, 2> kSeaTiles{assets::kSeaTile0, assets::kSeaTile1};
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
