// The timing test's one-channel-per-file sound form.
#include <gtest/gtest.h>

#include "tests/support/recording_media.h"
#include "testbench/timing_sound.h"

using namespace testbench;
using test_support::RecordingMedia;
using Commands = std::vector<std::string>;

namespace {

class TimingSound : public testing::Test {
 protected:
  void SetUp() override { timing::SoundInit(); }
  RecordingMedia media;
};

}  // namespace

TEST_F(TimingSound, FirstPlayClosesOpensSetsAndPlaysInSlotZero) {
  EXPECT_EQ(timing::SoundPlay(" Gong.mp3 "), 0);
  EXPECT_EQ(media.commands, (Commands{"close SPMCIPS0000", "open \"Gong.mp3\" alias SPMCIPS0000",
                                      "set SPMCIPS0000 time format milliseconds", "play SPMCIPS0000 from 0"}));
}

TEST_F(TimingSound, ReplayInAnyLetterCaseRestartsTheOneChannel) {
  timing::SoundPlay("29H.WAV");
  timing::SoundPlay("33H.WAV");
  media.take();
  EXPECT_EQ(timing::SoundPlay("  33h.wav"), 0);
  EXPECT_EQ(media.commands, (Commands{"play SPMCIPS0001 from 0"}));
}

TEST_F(TimingSound, FailedOpenReturnsOneAndLeavesTheSlotFree) {
  media.refuseFile("missing.wav");
  EXPECT_EQ(timing::SoundPlay("missing.wav"), 1);
  EXPECT_EQ(media.take(), (Commands{"close SPMCIPS0000", "open \"missing.wav\" alias SPMCIPS0000"}));
  EXPECT_EQ(timing::SoundPlay("ok.wav"), 0);
  EXPECT_EQ(media.commands.at(1), "open \"ok.wav\" alias SPMCIPS0000");
}

TEST_F(TimingSound, StopSendsOnlyForAFileWithAChannel) {
  timing::SoundPlay("a.wav");
  media.take();
  timing::SoundStop("never.wav");
  EXPECT_TRUE(media.commands.empty());
  timing::SoundStop("A.WAV ");
  EXPECT_EQ(media.commands, (Commands{"stop SPMCIPS0000"}));
}

TEST_F(TimingSound, AFullTableReusesTheLastSlot) {
  for (int i = 0; i < timing::kSoundSlots; ++i) timing::SoundPlay("f" + std::to_string(i) + ".wav");
  media.take();
  EXPECT_EQ(timing::SoundPlay("extra.wav"), 0);
  EXPECT_EQ(media.commands.at(0), "close SPMCIPS4095");
  EXPECT_EQ(media.commands.at(1), "open \"extra.wav\" alias SPMCIPS4095");
}

TEST_F(TimingSound, CloseAllClosesEverySlotZeroTo4095) {
  timing::SoundCloseAll();
  ASSERT_EQ(media.commands.size(), 4096u);
  EXPECT_EQ(media.commands.front(), "close SPMCIPS0000");
  EXPECT_EQ(media.commands.back(), "close SPMCIPS4095");
}
