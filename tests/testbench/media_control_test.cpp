// The real media-control layer over SDL_mixer, with the dummy audio driver.
// Sounds play on the mixer's own thread, so the end of a play is awaited
// with a bounded poll; the sounds are kept short.
#include <gtest/gtest.h>

#include <SDL.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "sound_files.h"
#include "testbench/media_command.h"
#include "testbench/media_control.h"
#include "testbench/sound_channels.h"
#include "tests/support/test_files.h"

using namespace testbench;
using testbench_test::WriteToneMp3;
using testbench_test::WriteToneWav;

namespace {

class RealMediaLayer : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::getenv("SDL_AUDIODRIVER") == nullptr) setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string stem = test_support::processTempPath("testbench", "tone");
    wav = stem + ".wav";
    mp3 = stem + ".mp3";
    ASSERT_TRUE(WriteToneWav(wav, 250));
    ASSERT_TRUE(WriteToneMp3(mp3, 500));
  }
  static void TearDownTestSuite() {
    std::remove(wav.c_str());
    std::remove(mp3.c_str());
  }
  void TearDown() override { MediaShutdown(); }

  static std::string query(const std::string& command) {
    std::array<char, 257> reply{};
    EXPECT_EQ(MediaCommand(command, reply.data(), 256), 0) << command;
    return reply.data();
  }

  // Polls until the alias no longer plays; the seconds it took, or -1.
  static double secondsUntilStopped(const std::string& alias) {
    const auto start = std::chrono::steady_clock::now();
    const auto since = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    while (since() < 5.0) {
      if (query("status " + alias + " mode") == "stopped") return since();
      SDL_Delay(5);
    }
    return -1.0;
  }

  static inline std::string wav;
  static inline std::string mp3;
};

}  // namespace

TEST_F(RealMediaLayer, AWavPlaysForItsLengthAndThenStops) {
  ASSERT_EQ(MediaCommand("open \"" + wav + "\" shareable alias 1", nullptr, 0), 0);
  EXPECT_EQ(MediaCommand("set 1 time format milliseconds", nullptr, 0), 0);
  EXPECT_EQ(query("status 1 length "), "250");
  EXPECT_EQ(query("status 1 Mode "), "stopped") << "opened, not yet played";
  ASSERT_EQ(MediaCommand("play 1 from 0", nullptr, 0), 0);
  EXPECT_EQ(query("STATUS 1 MODE "), "playing");
  const double took = secondsUntilStopped("1");
  ASSERT_GE(took, 0.0) << "it stopped";
  EXPECT_GE(took, 0.15) << "it sounded for about its length";
  ASSERT_EQ(MediaCommand("play 1 from 0", nullptr, 0), 0);
  EXPECT_EQ(query("status 1 mode"), "playing") << "an ended alias plays again";
  EXPECT_EQ(MediaCommand("stop 1", nullptr, 0), 0);
  EXPECT_EQ(query("status 1 mode"), "stopped");
}

TEST_F(RealMediaLayer, AnMp3ReportsItsLengthInMilliseconds) {
  ASSERT_EQ(MediaCommand("open \"" + mp3 + "\" alias tune", nullptr, 0), 0);
  const double ms = std::atof(query("status TUNE length").c_str());
  EXPECT_NEAR(ms, 500.0, 60.0);
  ASSERT_EQ(MediaCommand("play tune from 0", nullptr, 0), 0);
  EXPECT_EQ(query("status tune mode"), "playing");
}

TEST_F(RealMediaLayer, SeveralAliasesOnOneFileSoundTogether) {
  ASSERT_EQ(MediaCommand("open \"" + wav + "\" shareable alias a", nullptr, 0), 0);
  ASSERT_EQ(MediaCommand("open \"" + wav + "\" shareable alias b", nullptr, 0), 0);
  MediaCommand("play a from 0", nullptr, 0);
  MediaCommand("play b from 0", nullptr, 0);
  EXPECT_EQ(query("status a mode"), "playing");
  EXPECT_EQ(query("status b mode"), "playing");
  MediaCommand("stop a", nullptr, 0);
  EXPECT_EQ(query("status b mode"), "playing") << "each alias has its own channel";
}

TEST_F(RealMediaLayer, FailuresAnswerAnErrorAndChangeNothing) {
  const std::size_t before = MediaOpenAliasCount();
  EXPECT_EQ(MediaCommand("open \"" + testing::TempDir() + "no_such.wav\" alias x", nullptr, 0), kMediaCannotOpenFile);
  EXPECT_EQ(MediaCommand("open \"" + wav + ".txt\" alias x", nullptr, 0), kMediaUnknownDevice);
  EXPECT_EQ(MediaOpenAliasCount(), before);
  EXPECT_EQ(MediaCommand("play x from 0", nullptr, 0), kMediaUnknownAlias);
  EXPECT_EQ(MediaCommand("jump x", nullptr, 0), kMediaUnknownCommand);
  EXPECT_EQ(MediaCommand("close ", nullptr, 0), 0) << "an empty close is harmless";

  ASSERT_EQ(MediaCommand("open \"" + wav + "\" alias x", nullptr, 0), 0);
  EXPECT_EQ(MediaCommand("open \"" + wav + "\" alias X", nullptr, 0), kMediaDuplicateAlias);
  std::array<char, 4> tiny{'k', 'e', 'p', 't'};
  EXPECT_EQ(MediaCommand("status x mode", tiny.data(), tiny.size()), kMediaReplyTooSmall);
  EXPECT_EQ(tiny[0], 'k');
  EXPECT_EQ(MediaCommand("close x", nullptr, 0), 0);
  EXPECT_EQ(MediaCommand("status x mode", nullptr, 0), kMediaUnknownAlias) << "closed";
}

TEST_F(RealMediaLayer, TheSoundChannelsDriveTheRealLayer) {
  SetMediaCommandFunction({});
  SoundInit();
  SoundPlay(wav);
  EXPECT_EQ(SoundIsPlayingFile(wav), "YES");
  EXPECT_NEAR(SoundLength(wav), 0.25, 0.001);
  SoundPlay(wav);
  EXPECT_EQ(SoundChannelCount(), 2) << "the first still sounds, so a second channel overlaps it";
  SoundStopFile(wav);
  EXPECT_EQ(SoundIsPlayingChannel("2"), "NO");
  SoundCloseAll();
  EXPECT_EQ(MediaOpenAliasCount(), 0u);
}
