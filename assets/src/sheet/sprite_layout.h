// Where the frames of every animated sprite code sit on the sheet. A strip is
// a run of equally sized frames laid left to right; a code may have several
// strips (a bonus item's first frame sits where the instructions screen
// expects its icon, its other frames elsewhere).
#pragma once

#include <array>

namespace assets {

struct SpriteStrip {
  int code;
  int firstFrame;  // counted from 1
  int frames;
  int x, y;  // top-left of the strip's first frame
  int width, height;
};

inline constexpr std::array<SpriteStrip, 47> kSpriteStrips{{
    // Small enemy planes, 40x40, two propeller phases each.
    {1, 1, 2, 0, 300, 40, 40},
    {2, 1, 2, 80, 300, 40, 40},
    {3, 1, 2, 160, 300, 40, 40},
    {4, 1, 2, 240, 300, 40, 40},
    {5, 1, 2, 320, 300, 40, 40},
    {41, 1, 2, 0, 340, 40, 40},
    {42, 1, 2, 80, 340, 40, 40},
    {43, 1, 2, 160, 340, 40, 40},
    {44, 1, 2, 240, 340, 40, 40},
    // Gunships and the bomber.
    {45, 1, 2, 0, 384, 54, 48},
    {46, 1, 2, 108, 384, 62, 44},
    {47, 1, 2, 232, 384, 72, 56},
    // The boss and its arrival through the clouds.
    {49, 1, 2, 0, 440, 96, 80},
    {87, 1, 4, 192, 440, 82, 70},
    // Scenery islands.
    {50, 1, 2, 380, 540, 64, 64},
    {51, 1, 2, 508, 540, 64, 64},
    {52, 1, 2, 636, 540, 64, 64},
    // Surface units.
    {53, 1, 2, 764, 160, 32, 32},
    {54, 1, 2, 764, 192, 24, 48},
    {55, 1, 2, 764, 240, 24, 24},
    {56, 1, 2, 828, 60, 32, 96},
    {57, 1, 4, 700, 60, 32, 96},
    {58, 1, 2, 700, 160, 32, 176},
    // Player shots, one frame each, and the enemy shot.
    {59, 1, 1, 380, 732, 18, 18},
    {60, 1, 1, 398, 732, 18, 18},
    {61, 1, 1, 416, 732, 18, 18},
    {62, 1, 1, 434, 732, 18, 18},
    {63, 1, 1, 452, 732, 18, 18},
    {64, 1, 1, 470, 732, 18, 18},
    {65, 1, 1, 488, 732, 18, 18},
    {66, 1, 1, 506, 732, 18, 18},
    {67, 1, 1, 524, 732, 18, 18},
    {68, 1, 1, 542, 732, 14, 14},
    // Explosions.
    {70, 1, 6, 380, 668, 32, 32},
    {71, 1, 7, 380, 604, 64, 64},
    // Bonus items: first frame at the instructions screen's icon.
    {79, 1, 1, 202, 269, 32, 31},
    {79, 2, 3, 380, 700, 32, 31},
    {80, 1, 1, 235, 235, 32, 32},
    {80, 2, 3, 476, 700, 32, 32},
    {81, 1, 1, 103, 268, 32, 32},
    {81, 2, 3, 572, 700, 32, 32},
    {82, 1, 1, 136, 268, 32, 32},
    {82, 2, 3, 668, 700, 32, 32},
    {83, 1, 1, 169, 268, 32, 32},
    {83, 2, 3, 764, 700, 32, 32},
    // Start and game-over banners.
    {88, 1, 2, 700, 0, 100, 20},
    {89, 1, 2, 700, 20, 100, 40},
}};

}  // namespace assets
