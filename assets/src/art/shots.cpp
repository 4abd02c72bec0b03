// Shots, 18x18 for the player and 14x14 for the enemy. The player's bolts are
// drawn once pointing up (or up and to the right) and turned to each
// heading of the volley: 59 forward (power 1), 60 forward and 61 backward
// (the 20-damage bolts), 62 left, 63 right, 64 to 67 the diagonals up-left,
// up-right, down-left and down-right.
#include <array>
#include <cmath>
#include <string_view>

#include "art.h"
#include "gen_kit/draw.h"
#include "core/grid.h"

namespace assets {
namespace {

constexpr std::array<std::string_view, 18> kBolt{
    "..................",
    "..................",
    "..................",
    "........ww........",
    ".......wwww.......",
    ".......YwwY.......",
    ".......YwwY.......",
    ".......yYYy.......",
    ".......yYYy.......",
    ".......OyyO.......",
    "........yy........",
    "........OO........",
    "........OO........",
    "........oo........",
    "..................",
    "..................",
    "..................",
    "..................",
};
static_assert(gridIsValid(kBolt, 18));

constexpr std::array<std::string_view, 18> kHeavyBolt{
    "..................",
    "........ww........",
    ".......wwww.......",
    "......YwwwwY......",
    "......YwwwwY......",
    ".....yYYwwYYy.....",
    ".....yYYwwYYy.....",
    ".....OyYYYYyO.....",
    ".....OyyYYyyO.....",
    "......OyyyyO......",
    "......eOyyOe......",
    ".......eOOe.......",
    ".......eOOe.......",
    "........ee........",
    "........RR........",
    "........RR........",
    "..................",
    "..................",
};
static_assert(gridIsValid(kHeavyBolt, 18));

constexpr std::array<std::string_view, 18> kDiagonalBolt{
    "..................",
    "..................",
    "..................",
    "............ww....",
    "...........wwwY...",
    "..........wwwYy...",
    ".........YwwYy....",
    "........yYYYy.....",
    ".......yyYYy......",
    "......OyyyO.......",
    ".....OOyyO........",
    "....oOOO..........",
    "....ooO...........",
    "....o.............",
    "..................",
    "..................",
    "..................",
    "..................",
};
static_assert(gridIsValid(kDiagonalBolt, 18));

struct ShotLook {
  int code;
  const std::array<std::string_view, 18>* grid;
  Turn turn;
};

constexpr ShotLook kShots[] = {
    {59, &kBolt, Turn::None},
    {60, &kHeavyBolt, Turn::None},
    {61, &kHeavyBolt, Turn::Half},
    {62, &kBolt, Turn::Anticlockwise},
    {63, &kBolt, Turn::Clockwise},
    {64, &kDiagonalBolt, Turn::Anticlockwise},
    {65, &kDiagonalBolt, Turn::None},
    {66, &kDiagonalBolt, Turn::Half},
    {67, &kDiagonalBolt, Turn::Clockwise},
};

// The enemy's shot: a hot pink-red orb with a white core.
void paintEnemyShot(View& v) {
  constexpr double kCentre = 7.0;
  const char rings[] = {'w', 'Y', 'E', 'e', 'R'};
  for (int y = 0; y < v.height(); ++y) {
    for (int x = 0; x < v.width(); ++x) {
      const double d = std::hypot(x + 0.5 - kCentre + 0.6, y + 0.5 - kCentre + 0.6);
      const double d2 = std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre);
      if (d2 > 5.6) continue;
      const int ring = std::min(4, static_cast<int>(d / 1.25));
      v.set(x, y, paletteColour(rings[ring]));
    }
  }
  outlineShape(v, paletteColour('r'));
}

}  // namespace

void paintShot(int code, View& v) {
  if (code == 68) return paintEnemyShot(v);
  for (const ShotLook& s : kShots) {
    if (s.code == code) paintGrid(v, 0, 0, *s.grid, {.turn = s.turn});
  }
}

}  // namespace assets
