// Window scale and letterbox sizes for a table of desktops.
#include <gtest/gtest.h>

#include <array>

#include "platform/scaling.h"

using namespace platform;

TEST(Scaling, DefaultScaleFitsEightyPercentOfTheDesktopHeight) {
  struct Row {
    int desktopW, desktopH, logicalW, logicalH, scale;
  };
  constexpr std::array<Row, 8> rows{{
      {1920, 1080, 640, 480, 1},   // 864 usable rows: 2x (960) would not fit
      {1920, 1080, 512, 384, 2},
      {2560, 1440, 640, 480, 2},
      {3840, 2160, 640, 480, 3},
      {3840, 2160, 512, 384, 4},
      {1280, 720, 640, 480, 1},
      {800, 600, 640, 480, 1},     // smaller than the picture: still 1
      {7680, 1080, 512, 384, 2},   // very wide: height decides
  }};
  for (const auto& r : rows) {
    EXPECT_EQ(defaultWindowScale(r.desktopW, r.desktopH, r.logicalW, r.logicalH), r.scale)
        << r.desktopW << "x" << r.desktopH << " for " << r.logicalW << "x" << r.logicalH;
  }
  EXPECT_EQ(defaultWindowScale(0, 0, 640, 480), 1);
  EXPECT_EQ(defaultWindowScale(1920, 1080, 0, 0), 1);
}

TEST(Scaling, LetterboxKeepsAspectWithWholeFactorsAndCentres) {
  struct Row {
    int outW, outH, logicalW, logicalH;
    PixelRect expected;
  };
  constexpr std::array<Row, 6> rows{{
      {1920, 1080, 640, 480, {320, 60, 1280, 960}},  // full HD: 2x with borders all round
      {1280, 960, 640, 480, {0, 0, 1280, 960}},
      {3840, 2160, 512, 384, {640, 120, 2560, 1920}},  // 5x
      {700, 480, 640, 480, {30, 0, 640, 480}},
      {320, 480, 640, 480, {0, 120, 320, 240}},      // smaller than the picture: fractional fit
      {640, 200, 640, 480, {187, 0, 266, 200}},
  }};
  for (const auto& r : rows) {
    const PixelRect got = letterbox(r.outW, r.outH, r.logicalW, r.logicalH);
    EXPECT_EQ(got.x, r.expected.x) << r.outW << "x" << r.outH;
    EXPECT_EQ(got.y, r.expected.y) << r.outW << "x" << r.outH;
    EXPECT_EQ(got.w, r.expected.w) << r.outW << "x" << r.outH;
    EXPECT_EQ(got.h, r.expected.h) << r.outW << "x" << r.outH;
  }
  const PixelRect none = letterbox(0, 0, 640, 480);
  EXPECT_EQ(none.w, 0);
}
