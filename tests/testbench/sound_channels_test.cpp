// The numbered sound channels, checked command by command on the recording
// media layer.
#include <gtest/gtest.h>

#include "tests/support/recording_media.h"
#include "testbench/media_command.h"
#include "testbench/sound_channels.h"

using namespace testbench;
using test_support::RecordingMedia;
using Commands = std::vector<std::string>;

namespace {

class SoundChannels : public testing::Test {
 protected:
  void SetUp() override { SoundInit(); }
  RecordingMedia media;
};

Commands openCommands(const std::string& file, const std::string& n) {
  return {"open \"" + file + "\" shareable alias " + n, "set " + n + " time format milliseconds"};
}

}  // namespace

TEST_F(SoundChannels, QuickPlaysOfOneFileOpenChannelsOneTwoThree) {
  SoundPlay("boom.wav");
  SoundPlay("boom.wav");
  SoundPlay("boom.wav");
  const Commands expected = {
      "open \"boom.wav\" shareable alias 1", "set 1 time format milliseconds", "play 1 from 0",
      "status 1 Mode ",
      "open \"boom.wav\" shareable alias 2", "set 2 time format milliseconds", "play 2 from 0",
      "status 1 Mode ", "status 2 Mode ",
      "open \"boom.wav\" shareable alias 3", "set 3 time format milliseconds", "play 3 from 0",
  };
  EXPECT_EQ(media.commands, expected);
  EXPECT_EQ(SoundChannelCount(), 3);
  for (const std::size_t offered : media.replySizes) EXPECT_EQ(offered, 256u);
}

TEST_F(SoundChannels, ReplayAfterTheEndReusesTheChannel) {
  SoundPlay("boom.wav");
  SoundPlay("boom.wav");
  media.end("2");
  media.take();
  SoundPlay("boom.wav");
  EXPECT_EQ(media.commands, (Commands{"status 1 Mode ", "status 2 Mode ", "play 2 from 0"}));
  EXPECT_EQ(SoundChannelCount(), 2);
}

TEST_F(SoundChannels, ChannelForWalksEveryChannelButAnswersOnlyItsOwnFile) {
  SoundOpen("music.mp3");  // idle, but another file
  SoundOpen("shot.wav");
  media.take();
  EXPECT_EQ(SoundChannelFor("shot.wav"), "2");
  EXPECT_EQ(media.commands, (Commands{"status 1 Mode ", "status 2 Mode "}));
}

TEST_F(SoundChannels, NamesDifferingOnlyInLetterCaseAreSeparateFiles) {
  SoundPlay("a.wav");
  media.end("1");
  media.take();
  SoundPlay("A.wav");
  Commands expected = {"status 1 Mode "};
  for (const auto& c : openCommands("A.wav", "2")) expected.push_back(c);
  expected.push_back("play 2 from 0");
  EXPECT_EQ(media.commands, expected);
}

TEST_F(SoundChannels, PlayingTestReadsTheFirstSevenLettersInAnyCase) {
  SoundOpen("x.wav");
  EXPECT_EQ(SoundIsPlayingFile("x.wav"), "NO") << "opened, not played";
  SoundPlay("x.wav");
  EXPECT_EQ(SoundIsPlayingFile("x.wav"), "YES") << "the layer's own reply";
  for (const char* yes : {"playing", "PLAYING", "Playing", "playing forward"}) {
    media.scriptedReplies["status 1 Mode "] = yes;
    EXPECT_EQ(SoundIsPlayingFile("x.wav"), "YES") << yes;
    EXPECT_EQ(SoundIsPlayingChannel("1"), "YES") << yes;
  }
  for (const char* no : {"paused", "stopped", "", "playin"}) {
    media.scriptedReplies["status 1 Mode "] = no;
    EXPECT_EQ(SoundIsPlayingFile("x.wav"), "NO") << no;
  }
}

TEST_F(SoundChannels, QueriesOfUnknownFilesAndChannelsSendNothing) {
  SoundOpen("x.wav");
  media.take();
  EXPECT_EQ(SoundIsPlayingFile("never.wav"), "NO");
  EXPECT_EQ(SoundIsPlayingChannel("7"), "NO");
  EXPECT_DOUBLE_EQ(SoundLength("never.wav"), 0.0);
  EXPECT_TRUE(media.commands.empty());
}

TEST_F(SoundChannels, LengthIsTheMillisecondReplyInSeconds) {
  media.setLength("tune.mp3", 2500);
  SoundOpen("tune.mp3");
  SoundOpen("tune.mp3");
  media.take();
  EXPECT_DOUBLE_EQ(SoundLength("tune.mp3"), 2.5);
  EXPECT_EQ(media.commands, (Commands{"status 1 length "}));
  media.scriptedReplies["status 1 length "] = "not a number";
  EXPECT_DOUBLE_EQ(SoundLength("tune.mp3"), 0.0);
}

TEST_F(SoundChannels, CloseAllSendsExactly4096ClosesWhateverTheCount) {
  SoundOpen("a.wav");
  SoundOpen("b.wav");
  media.take();
  SoundCloseAll();
  ASSERT_EQ(media.commands.size(), 4096u);
  EXPECT_EQ(media.commands[0], "close 1");
  EXPECT_EQ(media.commands[1], "close 2");
  for (std::size_t i = 2; i < media.commands.size(); ++i) ASSERT_EQ(media.commands[i], "close ") << i;
  EXPECT_EQ(SoundChannelCount(), 2) << "the table is left as it is";
}

TEST_F(SoundChannels, FailedOpenStillTakesAChannelThatStaysIdle) {
  media.refuseFile("missing.wav");
  SoundPlay("missing.wav");
  media.take();
  SoundPlay("missing.wav");
  EXPECT_EQ(media.commands, (Commands{"status 1 Mode ", "play 1 from 0"}));
}

TEST_F(SoundChannels, A4097thOpenSendsNothingAndPlaysFindNoChannel) {
  for (int i = 0; i < kSoundChannelSlots; ++i) SoundOpen("busy.wav");
  for (int i = 1; i <= kSoundChannelSlots; ++i) SendMediaCommand("play " + std::to_string(i) + " from 0");
  ASSERT_GE(media.device().channelCount(), kSoundChannelSlots) << "the layer grew a channel per alias";
  media.take();
  SoundOpen("one_more.wav");
  EXPECT_TRUE(media.commands.empty());
  EXPECT_EQ(SoundChannelCount(), kSoundChannelSlots);

  EXPECT_EQ(SoundChannelFor("busy.wav"), "");
  media.take();
  SoundPlay("busy.wav");
  SoundMarkLoop("busy.wav");
  ASSERT_EQ(media.commands.size(), 2u * kSoundChannelSlots) << "only the status walks";
  for (const std::string& c : media.commands) ASSERT_EQ(c.rfind("status ", 0), 0u) << c;
}

TEST_F(SoundChannels, LoopMarksRestartStoppedChannelsUntilStopped) {
  SoundMarkLoop("engine.wav");
  EXPECT_EQ(media.take(), openCommands("engine.wav", "1")) << "marking opens but does not play";
  SoundOpen("other.wav");
  media.take();

  SoundServiceLoops();
  // Channel 1's query, then the restart's own walk and play, then channel 2.
  EXPECT_EQ(media.take(), (Commands{"status 1 Mode ", "status 1 Mode ", "play 1 from 0", "status 2 Mode "}));
  SoundServiceLoops();
  EXPECT_EQ(media.take(), (Commands{"status 1 Mode ", "status 2 Mode "})) << "still playing: left alone";

  SoundStopFile("engine.wav");
  EXPECT_EQ(media.take(), (Commands{"stop 1"}));
  SoundServiceLoops();
  EXPECT_EQ(media.take(), (Commands{"status 1 Mode ", "status 2 Mode "})) << "the stop cleared the mark";
}

TEST_F(SoundChannels, StopOnePlayingStopsOnlyTheFirstSoundingChannel) {
  SoundPlay("hit.wav");
  SoundPlay("hit.wav");
  SoundPlay("hit.wav");
  media.end("1");
  media.take();
  SoundStopOnePlaying("hit.wav");
  EXPECT_EQ(media.commands, (Commands{"status 1 Mode ", "status 2 Mode ", "stop 2"}));
}

TEST_F(SoundChannels, StopFileStopsEveryChannelOnTheFile) {
  SoundPlay("hit.wav");
  SoundPlay("hit.wav");
  SoundPlay("other.wav");
  media.take();
  SoundStopFile("hit.wav");
  EXPECT_EQ(media.commands, (Commands{"stop 1", "stop 2"}));
}
