// Scaling arithmetic for the SDL backend.
#include "platform/scaling.h"

#include <algorithm>

namespace platform {

int defaultWindowScale(int desktopW, int desktopH, int logicalW, int logicalH) {
  if (logicalW <= 0 || logicalH <= 0 || desktopW <= 0 || desktopH <= 0) return 1;
  const int byHeight = (desktopH * 8 / 10) / logicalH;
  const int byWidth = desktopW / logicalW;
  return std::max(1, std::min(byHeight, byWidth));
}

PixelRect letterbox(int outW, int outH, int logicalW, int logicalH) {
  if (outW <= 0 || outH <= 0 || logicalW <= 0 || logicalH <= 0) return {};
  const int whole = std::min(outW / logicalW, outH / logicalH);
  int w = 0;
  int h = 0;
  if (whole >= 1) {
    w = logicalW * whole;
    h = logicalH * whole;
  } else if (static_cast<long long>(outW) * logicalH <= static_cast<long long>(outH) * logicalW) {
    w = outW;
    h = std::max(1, static_cast<int>(static_cast<long long>(outW) * logicalH / logicalW));
  } else {
    h = outH;
    w = std::max(1, static_cast<int>(static_cast<long long>(outH) * logicalW / logicalH));
  }
  return {(outW - w) / 2, (outH - h) / 2, w, h};
}

}  // namespace platform
