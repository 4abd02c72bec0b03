#include "art.h"

namespace assets {

void paintSprite(int code, int frame, View& v) {
  if (code >= 1 && code <= 5) return paintSmallPlane(code, frame, v);
  if (code >= 41 && code <= 44) return paintSmallPlane(code, frame, v);
  if (code >= 45 && code <= 47) return paintHeavyPlane(code, frame, v);
  if (code == 49) return paintBoss(frame, v);
  if (code == 87) return paintBossArrival(frame, v);
  if (code >= 50 && code <= 52) return paintIsland(code, frame, v);
  if (code >= 53 && code <= 58) return paintSurfaceUnit(code, frame, v);
  if (code >= 59 && code <= 68) return paintShot(code, v);
  if (code == 70 || code == 71) return paintExplosion(code, frame, v);
  if (code >= 79 && code <= 83) return paintBonus(code, frame, v);
  if (code == 88 || code == 89) return paintBanner(code, frame, v);
}

}  // namespace assets
