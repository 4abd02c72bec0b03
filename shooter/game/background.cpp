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
  float& offset = game.backdrop.seaOffset;
  offset += kScrollSpeed;
  if (!(offset < -32.0f)) offset -= 32.0f;
}

void toggleBackgroundPhase() { game.backdrop.seaPhase = 1 - game.backdrop.seaPhase; }

void drawBackground() {
  const SpriteRect& tile = kSeaTiles[static_cast<std::size_t>(game.backdrop.seaPhase & 1)];
  const int offset = static_cast<int>(game.backdrop.seaOffset);
  for (int c = 1; c <= gameContext.grid.tileColumns; ++c) {
    for (int r = 1; r <= gameContext.grid.tileRows; ++r) {
      drawSprite(c * 32 - 32, r * 32 + offset, tile, false);
    }
  }
}

}  // namespace shooter
