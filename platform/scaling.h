// Window and letterbox arithmetic: the game draws at its logical size and the
// window shows it scaled by whole factors where possible, keeping its aspect.
#pragma once

namespace platform {

struct PixelRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

// The default window scale: the largest whole factor at which the picture
// fits in about 80% of the desktop's height (and its whole width); at least 1.
int defaultWindowScale(int desktopW, int desktopH, int logicalW, int logicalH);

// Where the picture goes inside an output of outW x outH pixels: centred,
// aspect kept, black borders around it. A whole factor is used whenever one
// fits, so pixels stay square and sharp; only an output smaller than the
// picture gets a fractional fit.
PixelRect letterbox(int outW, int outH, int logicalW, int logicalH);

}  // namespace platform
