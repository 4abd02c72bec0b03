// The recording sound device keeps a real device's state: the layers' tests
// rely on its channels, plays and ends behaving as SDL_mixer's do.
#include <gtest/gtest.h>

#include "platform/recording_sound_device.h"

using platform::kAnyChannel;
using platform::kNoSound;
using platform::RecordingSoundDevice;
using Calls = std::vector<std::string>;

TEST(RecordingSoundDevice, NothingLoadsOrPlaysUntilItIsOpen) {
  RecordingSoundDevice device;
  EXPECT_EQ(device.load("a.wav"), kNoSound);
  EXPECT_EQ(device.channelCount(), 0);
  device.refuseOpen(true);
  EXPECT_FALSE(device.open({.channels = 16}));
  EXPECT_FALSE(device.isOpen());
  device.refuseOpen(false);
  ASSERT_TRUE(device.open({.channels = 16, .rate = 22050, .bufferFrames = 4096}));
  EXPECT_EQ(device.takeCalls(), (Calls{"load a.wav = 0", "open 16 44100 1024", "open 16 22050 4096"}));
}

TEST(RecordingSoundDevice, PlaysTakeTheFirstFreeChannelUntilHaltedOrFinished) {
  RecordingSoundDevice device;
  device.setLength("long.wav", 1500);
  ASSERT_TRUE(device.open({.channels = 2}));
  const platform::SoundId a = device.load("long.wav");
  const platform::SoundId b = device.load("b.wav");
  EXPECT_EQ(device.lengthMs(a), 1500);
  EXPECT_EQ(device.lengthMs(b), 0);
  EXPECT_EQ(device.play(a, kAnyChannel, platform::kLoopForever), 0);
  EXPECT_EQ(device.play(b, kAnyChannel, 0), 1);
  EXPECT_EQ(device.play(b, kAnyChannel, 0), -1) << "every channel sounds";
  EXPECT_EQ(device.play(b, 0, 0), 0) << "a given channel cuts its sound off";
  EXPECT_EQ(device.soundOn(0), b);
  EXPECT_EQ(device.play(b, 2, 0), -1) << "no such channel";
  EXPECT_EQ(device.play(kNoSound, kAnyChannel, 0), -1);
  device.finish(1);
  EXPECT_FALSE(device.isPlaying(1));
  EXPECT_TRUE(device.isPlaying(kAnyChannel));
  device.halt(kAnyChannel);
  EXPECT_FALSE(device.isPlaying(kAnyChannel));
}

TEST(RecordingSoundDevice, GrowsButNeverShrinksAndSetsVolumesOfChannelsThatExist) {
  RecordingSoundDevice device;
  ASSERT_TRUE(device.open({.channels = 4}));
  device.setVolume(kAnyChannel, 200);
  EXPECT_EQ(device.volumeOf(3), platform::kFullVolume) << "clamped";
  device.setVolume(kAnyChannel, 40);
  EXPECT_EQ(device.growChannels(2), 4);
  EXPECT_EQ(device.growChannels(8), 8);
  EXPECT_EQ(device.volumeOf(3), 40);
  EXPECT_EQ(device.volumeOf(4), platform::kFullVolume) << "new channels start at full volume";
  EXPECT_TRUE(device.open({.channels = 12}));
  EXPECT_EQ(device.channelCount(), 12) << "opening an open device grows it";
}

TEST(RecordingSoundDevice, UnloadAndCloseStopWhatPlays) {
  RecordingSoundDevice device;
  device.refuseFile("gone.wav");
  ASSERT_TRUE(device.open({.channels = 4}));
  EXPECT_EQ(device.load("gone.wav"), kNoSound);
  const platform::SoundId s = device.load("s.wav");
  device.play(s, 2, 0);
  device.unload(s);
  EXPECT_FALSE(device.isPlaying(2));
  EXPECT_EQ(device.pathOf(s), "");
  const platform::SoundId t = device.load("t.wav");
  device.play(t, kAnyChannel, 0);
  device.close();
  EXPECT_FALSE(device.isPlaying(kAnyChannel));
  EXPECT_EQ(device.loadedCount(), 0);
  EXPECT_EQ(device.channelCount(), 0);
}

TEST(RecordingSoundDevice, TheSilentRunsDeviceKeepsNoRecord) {
  const auto silent = platform::makeSilentSoundDevice();
  ASSERT_TRUE(silent->open({.channels = 16}));
  const platform::SoundId s = silent->load("any.wav");
  EXPECT_EQ(silent->play(s, kAnyChannel, 0), 0);
  const auto* recording = dynamic_cast<const RecordingSoundDevice*>(silent.get());
  ASSERT_NE(recording, nullptr);
  EXPECT_TRUE(recording->calls().empty());
}
