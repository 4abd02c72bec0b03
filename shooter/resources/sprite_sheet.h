// The sprite sheet every picture of the game is cut from, its collision
// mask, the sprite font's glyph rectangles and the animation table.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "assets/sheet_layout.h"
#include "platform/image.h"

namespace shooter {

// Inclusive corners of a picture on the sheet: the generator's type, so the
// rectangles it places are drawn as they are.
using SpriteRect = assets::SheetRect;

inline constexpr int kSheetWidth = 1024;
inline constexpr int kSheetHeight = 768;
inline constexpr int kMaxFrames = 7;

// One animation: frames 1..7 (slot 0 unused), the kind's point value (also
// its starting hit points) and the size of its collision box.
struct AnimRow {
  std::array<SpriteRect, kMaxFrames + 1> frames{};
  std::uint8_t frameCount = 0;
  std::int32_t value = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// Sprite codes are bytes, so a table of 256 rows can be indexed by any code.
inline constexpr int kAnimRows = 256;
inline constexpr std::uint8_t kPlayerAnim = 90;

extern platform::Image spriteSheet;
// 1 where the sheet pixel is solid (not 0xFFFF00FF), column-major: x * 768 + y.
extern std::vector<std::uint8_t> collisionMask;
extern std::array<SpriteRect, 256> glyphTable;
extern std::array<AnimRow, kAnimRows> animTable;

// Start-up: creates the 1024x768 sheet, loads `path` into it (a missing file
// leaves it magenta) and builds the collision mask.
void loadSpriteSheet(const std::string& path = "plik.bmp");
void buildCollisionMask();
// Start-up: reads the animation records; rows the file does not name stay
// zero. Records for codes beyond the table are skipped, frames beyond the
// seventh are read and dropped.
void loadAnimations(const std::string& path = "anim_data.dat");
// Parses animation records from text (loadAnimations reads the file and
// hands it here).
void parseAnimations(std::string text);
void initGlyphs();

// Draws a sheet rectangle with its top-left at (x, y) on the work page.
void drawSprite(int x, int y, const SpriteRect& rect, bool transparent);
// The sprite font: glyph after glyph, each advancing by its width. Only the
// first 255 characters are drawn; character 255 is skipped.
void drawText(int x, int y, std::string_view text);
// Width in pixels that drawText would advance over `text`.
int textWidth(std::string_view text);
// Whether the sprite font has a letter for `c`; others draw one stray pixel.
bool fontHasGlyph(char c);
// Sees every text drawText is given and where, before it is drawn; none by
// default. Lets a check walk the screens and collect what they write.
using DrawTextObserver = void (*)(int x, int y, std::string_view text);
void setDrawTextObserver(DrawTextObserver observer);

// Frame `frame` (1-based) of a code; frames outside 1..7 read frame 1.
const SpriteRect& animFrame(std::uint8_t code, int frame);
// Frame count of a code, at least 1, so `frame mod count` never divides by 0.
int frameCountOf(std::uint8_t code);
// Whether the mask is solid at sheet pixel (x, y); false outside the sheet.
inline bool maskSolid(int x, int y) {
  if (x < 0 || y < 0 || x >= kSheetWidth || y >= kSheetHeight) return false;
  return collisionMask[static_cast<std::size_t>(x) * kSheetHeight + static_cast<std::size_t>(y)] != 0;
}

}  // namespace shooter
