// Rectangles of the sprite sheet plik.bmp that the shell and the game draw by
// fixed position. Corners are inclusive, in the order x1, x2, y1, y2. The game
// draws with the same type (shooter::SpriteRect).
#pragma once

namespace assets {

struct SheetRect {
  int x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  constexpr int width() const { return x2 - x1 + 1; }
  constexpr int height() const { return y2 - y1 + 1; }
};

constexpr int rectWidth(SheetRect r) { return r.x2 - r.x1 + 1; }
constexpr int rectHeight(SheetRect r) { return r.y2 - r.y1 + 1; }

inline constexpr int kSheetWidth = 1024;
inline constexpr int kSheetHeight = 768;

// The two phases of the 32x32 sea tile; each tiles seamlessly with itself and
// the game swaps them once a second to make the waves glitter.
inline constexpr SheetRect kSeaTile0{572, 603, 668, 699};
inline constexpr SheetRect kSeaTile1{604, 635, 668, 699};

// The player's craft: three propeller phases, 65x51 each. The main menu's
// demo plane shows the same three frames.
inline constexpr SheetRect kPlayerFrame1{301, 365, 112, 162};
inline constexpr SheetRect kPlayerFrame2{301, 365, 178, 228};
inline constexpr SheetRect kPlayerFrame3{301, 365, 244, 294};

// Shell screens.
inline constexpr SheetRect kTitlePicture{102, 379, 576, 716};
inline constexpr SheetRect kMenuLogo{703, 817, 404, 461};
inline constexpr SheetRect kMenuPicture{578, 678, 384, 478};
inline constexpr SheetRect kPointerLeft{569, 576, 390, 402};
inline constexpr SheetRect kPointerRight{559, 567, 390, 402};
inline constexpr SheetRect kHighScoreTitle{573, 688, 126, 140};

// Heads-up display.
inline constexpr SheetRect kBossBarFrame{369, 504, 208, 227};
inline constexpr SheetRect kBossBarEndCap{521, 550, 208, 227};
inline constexpr SheetRect kBossBarFill{505, 505, 213, 222};
inline constexpr SheetRect kLifeIcon{136, 167, 202, 233};
inline constexpr SheetRect kScoreLabel{573, 634, 160, 174};

// First frames of the five bonus items, also the instructions screen's icons.
inline constexpr SheetRect kBonusExtraLife{202, 233, 269, 299};    // code 79
inline constexpr SheetRect kBonusPowerUp{235, 266, 235, 266};      // code 80
inline constexpr SheetRect kBonusDestroyAll{103, 134, 268, 299};   // code 81
inline constexpr SheetRect kBonusRepair{136, 167, 268, 299};       // code 82
inline constexpr SheetRect kBonusResetBoss{169, 200, 268, 299};    // code 83

}  // namespace assets
