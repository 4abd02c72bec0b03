// Loading the sheet, its mask and the animation data; the sprite font.
#include "shooter/resources/sprite_sheet.h"

#include <algorithm>

#include "platform/platform.h"
#include "platform/text_convert.h"
#include "platform/text_file.h"

namespace shooter {

platform::Image spriteSheet;
std::vector<std::uint8_t> collisionMask(static_cast<std::size_t>(kSheetWidth) * kSheetHeight, 0);
std::array<SpriteRect, 256> glyphTable{};
std::array<AnimRow, kAnimRows> animTable{};

namespace {

struct GlyphRow {
  char code;
  std::int32_t x1, x2, y1, y2;
};

// The sprite font's letters on the sheet.
constexpr auto kGlyphs = std::to_array<GlyphRow>({
    {' ', 0, 10, 0, 1},        {';', 0, 1, 107, 119},
    {'0', 580, 589, 107, 119}, {'1', 590, 599, 107, 119}, {'2', 600, 609, 107, 119},
    {'3', 610, 620, 107, 119}, {'4', 621, 631, 107, 119}, {'5', 632, 641, 107, 119},
    {'6', 642, 651, 107, 119}, {'7', 652, 661, 107, 119}, {'8', 662, 671, 107, 119},
    {'9', 672, 682, 107, 119},
    {'A', 415, 426, 521, 533}, {'B', 427, 438, 521, 533}, {'C', 439, 449, 521, 533},
    {'D', 450, 460, 521, 533}, {'E', 462, 471, 521, 533}, {'F', 472, 481, 521, 533},
    {'G', 482, 492, 521, 533}, {'H', 494, 505, 521, 533}, {'I', 507, 513, 521, 533},
    {'J', 514, 523, 521, 533}, {'K', 524, 536, 521, 533}, {'L', 537, 546, 521, 533},
    {'M', 547, 560, 521, 533}, {'N', 561, 571, 521, 533}, {'O', 572, 583, 521, 533},
    {'P', 584, 594, 521, 533}, {'Q', 596, 605, 521, 533}, {'R', 607, 618, 521, 533},
    {'S', 619, 629, 521, 533}, {'T', 629, 639, 521, 533}, {'U', 640, 651, 521, 533},
    {'V', 652, 662, 521, 533}, {'W', 663, 677, 521, 533}, {'X', 678, 688, 521, 533},
    {'Y', 689, 699, 521, 533}, {'Z', 700, 709, 521, 533},
    {'!', 714, 720, 521, 533}, {'.', 709, 713, 521, 533}, {':', 720, 726, 521, 533},
    {'\0', 0, 1, 0, 1},
});
static_assert(kGlyphs.size() == 42);

}  // namespace

void buildCollisionMask() {
  for (int x = 0; x < kSheetWidth; ++x) {
    for (int y = 0; y < kSheetHeight; ++y) {
      collisionMask[static_cast<std::size_t>(x) * kSheetHeight + static_cast<std::size_t>(y)] =
          platform::getPixel(spriteSheet, x, y) != platform::kOpaqueMagenta ? 1 : 0;
    }
  }
}

void loadSpriteSheet(const std::string& path) {
  spriteSheet = platform::createImage(kSheetWidth, kSheetHeight);
  platform::loadBmp(spriteSheet, path);
  buildCollisionMask();
}

void parseAnimations(std::string text) {
  auto reader = platform::TextFileReader::fromText(std::move(text));
  auto readInt = [&reader] { return platform::parseInt32(reader.readField()); };
  reader.readField();  // header
  while (!reader.eof()) {
    const std::int32_t code = readInt();
    const std::int32_t count = readInt();
    AnimRow row;
    for (std::int32_t i = 1; i <= count && !reader.eof(); ++i) {
      SpriteRect r;
      r.x1 = readInt();
      r.y1 = readInt();
      r.x2 = readInt();
      r.y2 = readInt();
      if (i <= kMaxFrames) row.frames[static_cast<std::size_t>(i)] = r;
    }
    row.frameCount = static_cast<std::uint8_t>(std::clamp(count, 0, kMaxFrames));
    row.value = readInt();
    row.width = readInt();
    row.height = readInt();
    if (code >= 0 && code < kAnimRows && code != kPlayerAnim) animTable[static_cast<std::size_t>(code)] = row;
  }
}

void loadAnimations(const std::string& path) {
  if (auto text = platform::readWholeFile(path)) parseAnimations(std::move(*text));
  // The player's craft is not read from the file.
  AnimRow& player = animTable[kPlayerAnim];
  player.frameCount = 2;
  player.frames[1] = {301, 365, 112, 162};
  player.width = 64;
  player.height = 50;
}

void initGlyphs() {
  glyphTable.fill({});
  for (const auto& g : kGlyphs) {
    glyphTable[static_cast<unsigned char>(g.code)] = {g.x1, g.x2, g.y1, g.y2};
  }
}

void drawSprite(int x, int y, const SpriteRect& rect, bool transparent) {
  platform::drawImage(platform::workPage(), x, y, spriteSheet, rect.x1, rect.y1, rect.x2, rect.y2,
                      transparent ? platform::DrawMode::Transparent : platform::DrawMode::Opaque);
}

namespace {
DrawTextObserver drawTextObserver = nullptr;
}  // namespace

void setDrawTextObserver(DrawTextObserver observer) { drawTextObserver = observer; }

bool fontHasGlyph(char c) {
  return std::any_of(kGlyphs.begin(), kGlyphs.end(), [c](const GlyphRow& g) { return g.code == c; });
}

void drawText(int x, int y, std::string_view text) {
  if (drawTextObserver) drawTextObserver(x, y, text);
  text = text.substr(0, 255);
  for (const char ch : text) {
    const auto code = static_cast<unsigned char>(ch);
    if (code == 255) continue;
    const SpriteRect& glyph = glyphTable[code];
    drawSprite(x, y, glyph, true);
    x += glyph.width();
  }
}

int textWidth(std::string_view text) {
  int width = 0;
  for (const char ch : text.substr(0, 255)) {
    const auto code = static_cast<unsigned char>(ch);
    if (code != 255) width += glyphTable[code].width();
  }
  return width;
}

const SpriteRect& animFrame(std::uint8_t code, int frame) {
  const AnimRow& row = animTable[code];
  return row.frames[static_cast<std::size_t>(frame >= 1 && frame <= kMaxFrames ? frame : 1)];
}

int frameCountOf(std::uint8_t code) { return std::max<int>(animTable[code].frameCount, 1); }

}  // namespace shooter
