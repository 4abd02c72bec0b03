// Heads-up display pieces: the "SCORE" label, and the boss bar, a steel
// frame whose dark slot the game fills one column per unit of boss time
// (columns from x + 5, rows 5 to 14), closed by a red skull cap.
#include <array>
#include <string_view>

#include "art.h"
#include "gen_kit/draw.h"
#include "core/grid.h"
#include "font.h"

namespace assets {
namespace {

constexpr std::array<std::string_view, 12> kSkull{
    "...kkkkkk...",
    "..kwwwwwwk..",
    ".kwwwwwww5k.",
    ".kwwwwwww5k.",
    ".kwkkwkkw5k.",
    ".kwkkwkkw5k.",
    ".kwwwkww55k.",
    "..kwwkww5k..",
    "...kw5w5k...",
    "...k5k5kk...",
    "....kkkk....",
    "............",
};
static_assert(gridIsValid(kSkull, 12));

}  // namespace

void paintScoreLabel(View& v) { drawFontText(v, 1, 1, "SCORE"); }

void paintBossBarFrame(View& v) {
  const int w = v.width();
  const int h = v.height();
  fillBox(v, 0, 0, w, h, paletteColour('k'));
  fillBox(v, 1, 1, w - 2, h - 2, paletteColour('7'));
  fillBox(v, 1, 1, w - 2, 1, paletteColour('9'));
  fillBox(v, 1, h - 2, w - 2, 1, paletteColour('6'));
  fillBox(v, 2, 2, w - 3, h - 4, paletteColour('8'));
  // The slot the fill runs along.
  fillBox(v, 4, 4, w - 4, 12, paletteColour('k'));
  fillBox(v, 5, 5, w - 5, 10, paletteColour('1'));
  for (int x = 5; x < w; x += 8) fillBox(v, x, 5, 1, 10, paletteColour('2'));
  // Rivets.
  for (int x = 3; x < w; x += 16) {
    v.set(x, 2, paletteColour('5'));
    v.set(x, h - 3, paletteColour('6'));
  }
}

void paintBossBarCap(View& v) {
  const int w = v.width();
  const int h = v.height();
  fillBox(v, 0, 0, w, h, paletteColour('k'));
  fillBox(v, 0, 1, w - 1, h - 2, paletteColour('R'));
  fillBox(v, 0, 1, w - 1, 1, paletteColour('E'));
  fillBox(v, 0, h - 2, w - 1, 1, paletteColour('r'));
  fillBox(v, 0, 4, 2, 12, paletteColour('k'));
  paintGrid(v, (w - 12) / 2 + 1, 4, kSkull);
}

void paintBossBarFill(View& v) {
  static constexpr std::array<char, 10> kRows{'Y', 'y', 'O', 'O', 'e', 'e', 'R', 'R', 'r', 'r'};
  for (int y = 0; y < v.height() && y < static_cast<int>(kRows.size()); ++y) {
    v.set(0, y, paletteColour(kRows[static_cast<std::size_t>(y)]));
  }
}

}  // namespace assets
