// The painters of every picture on the sheet, one family per source file.
// Each paints into a View exactly the size of its picture.
#pragma once

#include "core/palette.h"

namespace assets {

// Animated sprite codes, by the code's family (sprites.cpp dispatches).
void paintSprite(int code, int frame, View& v);

void paintSmallPlane(int code, int frame, View& v);  // planes.cpp: 1-5, 41-44
void paintHeavyPlane(int code, int frame, View& v);  // heavy_planes.cpp: 45-47
void paintPlayer(int frame, View& v);                // player.cpp: frames 1-3
void paintLifeIcon(View& v);                         // player.cpp
void paintBoss(int frame, View& v);                  // boss.cpp: 49
void paintBossArrival(int frame, View& v);           // boss.cpp: 87
void paintIsland(int code, int frame, View& v);      // islands.cpp: 50-52
void paintSurfaceUnit(int code, int frame, View& v); // surface.cpp: 53-58
void paintShot(int code, View& v);                   // shots.cpp: 59-68
void paintExplosion(int code, int frame, View& v);   // explosions.cpp: 70, 71
void paintBonus(int code, int frame, View& v);       // bonuses.cpp: 79-83
void paintBanner(int code, int frame, View& v);      // banners.cpp: 88, 89
void paintSeaTile(int phase, View& v);               // sea.cpp: phase 0 or 1

// Shell and HUD pictures (menu.cpp, title.cpp, hud.cpp).
void paintTitle(View& v);
void paintLogo(View& v);
void paintMenu(View& v);
void paintPointer(bool left, View& v);
void paintHighScoreTitle(View& v);
void paintScoreLabel(View& v);
void paintBossBarFrame(View& v);
void paintBossBarCap(View& v);
void paintBossBarFill(View& v);

}  // namespace assets
