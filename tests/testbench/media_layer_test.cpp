// The media-control layer's use of its sound device, on the recording
// device: when the device opens and with what, how channels are handed out
// and grown, and what closing and shutting down leave behind.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/recording_sound_device.h"
#include "testbench/media_command.h"
#include "testbench/media_control.h"

using testbench::MediaControl;

namespace {

class MediaLayer : public testing::Test {
 protected:
  MediaLayer() : layer(newDevice()) {}
  std::unique_ptr<platform::RecordingSoundDevice> newDevice() {
    auto made = std::make_unique<platform::RecordingSoundDevice>();
    device = made.get();
    return made;
  }
  int send(const std::string& command) { return layer.run(command, nullptr, 0); }
  std::string query(const std::string& command) {
    char reply[257] = {};
    EXPECT_EQ(layer.run(command, reply, 256), 0) << command;
    return reply;
  }

  platform::RecordingSoundDevice* device = nullptr;
  MediaControl layer;
};

}  // namespace

TEST_F(MediaLayer, TheFirstOpenOpensTheDeviceWithSixteenChannels) {
  EXPECT_EQ(send("status 1 mode"), testbench::kMediaUnknownAlias);
  EXPECT_EQ(send("open \"a.txt\" alias 1"), testbench::kMediaUnknownDevice);
  EXPECT_FALSE(device->isOpen()) << "nothing asked for sound yet";
  ASSERT_EQ(send("open \"a.wav\" alias 1"), 0);
  EXPECT_EQ(device->takeCalls(), (std::vector<std::string>{"open 16 44100 1024", "load a.wav = 1"}));
  EXPECT_EQ(layer.channelOf("1"), 0);
  ASSERT_EQ(send("open \"a.wav\" alias Two"), 0);
  EXPECT_EQ(layer.channelOf("TWO"), 1) << "aliases in any letter case";
  EXPECT_TRUE(device->takeCalls().empty()) << "the decoded sound is shared";
}

TEST_F(MediaLayer, ChannelsDoubleWhenEveryOneIsTakenAndClosedOnesAreReused) {
  for (int i = 0; i < 17; ++i) ASSERT_EQ(send("open \"a.wav\" alias " + std::to_string(i)), 0) << i;
  EXPECT_EQ(device->channelCount(), 32);
  EXPECT_EQ(layer.channelOf("16"), 16);
  EXPECT_EQ(send("close 3"), 0);
  ASSERT_EQ(send("open \"b.wav\" alias again"), 0);
  EXPECT_EQ(layer.channelOf("again"), 3) << "a closed alias's channel is the next one handed out";
  EXPECT_EQ(layer.aliasCount(), 17u);
}

TEST_F(MediaLayer, PlayStopCloseAndStatusDriveTheAliasChannel) {
  device->setLength("tune.mp3", 1234);
  ASSERT_EQ(send("open \"tune.mp3\" alias t"), 0);
  EXPECT_EQ(query("status t length"), "1234");
  EXPECT_EQ(query("status t mode"), "stopped");
  ASSERT_EQ(send("play t from 0"), 0);
  EXPECT_EQ(device->loopsOn(0), 0) << "played once";
  EXPECT_EQ(query("status t mode"), "playing");
  device->finish(0);
  EXPECT_EQ(query("status t mode"), "stopped") << "played to its end";
  send("play t from 0");
  send("stop t");
  EXPECT_EQ(query("status t mode"), "stopped");
  send("play t from 0");
  EXPECT_EQ(send("close t"), 0);
  EXPECT_FALSE(device->isPlaying(0)) << "a close halts its channel";
  EXPECT_EQ(device->loadedCount(), 0) << "the last alias on a file frees its sound";
  EXPECT_EQ(send("status t mode"), testbench::kMediaUnknownAlias);
}

TEST_F(MediaLayer, FailuresAnswerTheirNumbersAndLeaveNoAlias) {
  device->refuseFile("missing.wav");
  EXPECT_EQ(send("open \"missing.wav\" alias m"), testbench::kMediaCannotOpenFile);
  EXPECT_EQ(layer.aliasCount(), 0u);
  ASSERT_EQ(send("open \"a.wav\" alias a"), 0);
  EXPECT_EQ(send("open \"a.wav\" alias A"), testbench::kMediaDuplicateAlias);
  char tiny[4] = {'k', 'e', 'p', 't'};
  EXPECT_EQ(layer.run("status a mode", tiny, sizeof tiny), testbench::kMediaReplyTooSmall);
  EXPECT_EQ(tiny[0], 'k');
}

TEST(MediaLayerDevice, ADeviceThatCannotOpenAnswersNoAudioAndTriesAgain) {
  auto made = std::make_unique<platform::RecordingSoundDevice>();
  platform::RecordingSoundDevice& device = *made;
  device.refuseOpen(true);
  MediaControl layer(std::move(made));
  EXPECT_EQ(layer.run("open \"a.wav\" alias a", nullptr, 0), testbench::kMediaNoAudio);
  device.refuseOpen(false);
  EXPECT_EQ(layer.run("open \"a.wav\" alias a", nullptr, 0), 0);
}

// Lends a device the test keeps to a layer, which owns the devices it is given.
class LentDevice final : public platform::SoundDevice {
 public:
  explicit LentDevice(platform::SoundDevice& device) : d_(device) {}
  bool open(const platform::SoundOutput& output) override { return d_.open(output); }
  void close() override { d_.close(); }
  bool isOpen() const override { return d_.isOpen(); }
  int channelCount() const override { return d_.channelCount(); }
  int growChannels(int channels) override { return d_.growChannels(channels); }
  platform::SoundId load(const std::string& path) override { return d_.load(path); }
  void unload(platform::SoundId sound) override { d_.unload(sound); }
  long lengthMs(platform::SoundId sound) const override { return d_.lengthMs(sound); }
  int play(platform::SoundId sound, int channel, int loops) override { return d_.play(sound, channel, loops); }
  void halt(int channel) override { d_.halt(channel); }
  void setVolume(int channel, int volume) override { d_.setVolume(channel, volume); }
  bool isPlaying(int channel) const override { return d_.isPlaying(channel); }

 private:
  platform::SoundDevice& d_;
};

TEST(MediaLayerDevice, DestroyingTheLayerHaltsItsAliasesFreesItsSoundsAndClosesTheDevice) {
  platform::RecordingSoundDevice device;
  {
    MediaControl layer(std::make_unique<LentDevice>(device));
    layer.run("open \"a.wav\" alias a", nullptr, 0);
    layer.run("play a from 0", nullptr, 0);
    device.takeCalls();
  }
  EXPECT_EQ(device.takeCalls(), (std::vector<std::string>{"halt 0", "unload 1", "close"}));
  EXPECT_FALSE(device.isOpen());
}
