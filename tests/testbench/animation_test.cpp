// Animation description files: export, load and play.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "headless_fixture.h"
#include "platform/text_file.h"
#include "tests/support/recording_media.h"
#include "testbench/animation.h"
#include "testbench/sound_channels.h"
#include "testbench/table.h"

using namespace testbench;

namespace {

class Animation : public testbench_test::HeadlessTest {
 protected:
  Animation() : HeadlessTest(0.0001) {}
  void SetUp() override {
    HeadlessTest::SetUp();
    SoundInit();
  }

  std::string writeText(const std::string& name, const std::string& text) {
    const std::string path = tempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  static std::string readText(const std::string& path) { return platform::readWholeFile(path).value_or("<missing>"); }

  std::string picture(const std::string& name, platform::Colour colour) {
    const std::string path = tempPath(name);
    EXPECT_TRUE(platform::saveBmp(platform::createImage(4, 4, colour), path));
    return path;
  }

  test_support::RecordingMedia media;
};

}  // namespace

TEST_F(Animation, ThreeNamesExportAsFiveLines) {
  const std::string list = writeText("list.txt", "a.bmp,\r\nb.bmp,\r\nc.bmp,\r\n");
  const std::string out = tempPath("anim.txt");
  ExportAnimation(list, out);
  EXPECT_EQ(readText(out),
            "{Description},\r\n3,\r\na.bmp,.0016,NULL,1,\r\nb.bmp,.0016,NULL,2,\r\nc.bmp,.0016,NULL,3,\r\n");
}

TEST_F(Animation, ExportRepeatsTheLastNameForALineWithoutAComma) {
  const std::string out = tempPath("anim_repeat.txt");
  ExportAnimation(writeText("list_repeat.txt", "a.bmp,\nb.bmp\n"), out);
  EXPECT_EQ(readText(out), "{Description},\r\n2,\r\na.bmp,.0016,NULL,1,\r\na.bmp,.0016,NULL,2,\r\n");

  ExportAnimation(writeText("list_empty.txt", ""), out);
  EXPECT_EQ(readText(out), "{Description},\r\n1,\r\n,.0016,NULL,1,\r\n") << "an empty list counts one line";

  const std::string none = tempPath("anim_none.txt");
  ExportAnimation(tempPath("no_such_list.txt"), none);
  EXPECT_FALSE(platform::fileExists(none));
}

TEST_F(Animation, LoadReadsEveryFrameLineAndItsPicture) {
  const std::string a = picture("frame_a.bmp", 0xFF112233u);
  const std::string b = picture("frame_b.bmp", 0xFF445566u);
  const std::string file = writeText("load.txt", "{Bird flap},\r\n2,\r\n" + a + ",.25,flap.wav,1,\r\n" + b +
                                                     ",0,NULL,7.6,\r\n");
  auto frames = MakeTable<AnimationFrame>(5);
  LoadAnimation(file, frames);
  EXPECT_EQ(AnimationDescription, "{Bird flap}");
  EXPECT_EQ(AnimationFrameCount, 2);
  EXPECT_EQ(frames[1].pictureFile, a);
  EXPECT_DOUBLE_EQ(frames[1].timeStep, 0.25);
  EXPECT_EQ(frames[1].sound, "flap.wav");
  EXPECT_EQ(frames[2].number, 8) << "rounded";
  ASSERT_TRUE(frames[2].image);
  EXPECT_EQ(platform::getPixel(*frames[2].image, 0, 0), 0xFF445566u);

  auto small = MakeTable<AnimationFrame>(1);
  LoadAnimation(file, small);
  EXPECT_EQ(AnimationFrameCount, 1) << "a short table stops the load";
  EXPECT_EQ(small.size(), 2u);
}

TEST_F(Animation, PlayShowsEachFrameAfterItsStepAndPlaysOnlyRealSounds) {
  const std::string file = writeText(
      "play.txt", "{Test},\r\n2,\r\n" + picture("p1.bmp", 0xFF0000FFu) + ",.5,boom.wav,1,\r\n" +
                      picture("p2.bmp", 0xFF00FF00u) + ",0,NULL,2,\r\n");
  auto frames = MakeTable<AnimationFrame>(2);
  LoadAnimation(file, frames);
  const platform::Image background = platform::createImage(640, 480, 0xFF101010u);
  platform::Image page = platform::createImage(640, 480, 0);
  AnimationX = 100;
  AnimationY = 50;
  const int shownBefore = headless().presentCount();
  const double start = platform::timer();

  EXPECT_EQ(PlayAnimation(frames, background, page), 2);
  const double elapsed = platform::timer() - start;
  EXPECT_GE(elapsed, 0.5);
  EXPECT_LT(elapsed, 0.51) << "the second frame's step of 0 adds no wait";
  EXPECT_EQ(headless().presentCount() - shownBefore, 2);
  EXPECT_EQ(std::count(media.commands.begin(), media.commands.end(), "play 1 from 0"), 1);
  EXPECT_EQ(media.commands.front(), "open \"boom.wav\" shareable alias 1") << "NULL is never played";
  const platform::Image& screen = platform::visiblePage();
  EXPECT_EQ(platform::getPixel(screen, 100, 50), 0x0000FF00u) << "last frame, key-colour mode";
  EXPECT_EQ(platform::getPixel(screen, 99, 50), 0xFF101010u) << "over the background";
}

TEST_F(Animation, DebugPlayWritesTheReadoutInWhite) {
  const std::string file = writeText("debug.txt", "{Readout},\r\n1,\r\n" + picture("d1.bmp", 0xFF0000FFu) +
                                                      ",0,NULL,1,\r\n");
  auto frames = MakeTable<AnimationFrame>(1);
  LoadAnimation(file, frames);
  const platform::Image background = platform::createImage(640, 480, 0xFF000000u);
  platform::Image page = platform::createImage(640, 480, 0);
  AnimationX = 300;
  AnimationY = 300;
  EXPECT_EQ(PlayAnimationDebug(frames, background, page), 1);
  for (const int top : {0, 10, 20}) {
    int white = 0;
    for (int y = top; y < top + 8; ++y) {
      for (int x = 0; x < 80; ++x) white += platform::getPixel(platform::visiblePage(), x, y) == 0x00FFFFFFu;
    }
    EXPECT_GT(white, 10) << "readout line at y = " << top;
  }
}
