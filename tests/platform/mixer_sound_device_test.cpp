// The SDL_mixer sound device on SDL's dummy audio driver: its lifecycle and
// channels, the codings it must play (made from the asset generator's own
// samples), and the damaged samples the program's fault tests use.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/backends/sdl/mixer_sound_device.h"
#include "tests/shooter/faults/file_damage.h"
#include "tests/support/test_files.h"
#include "wav_variants.h"
#include "platform/system.h"

namespace {

using platform::kAnyChannel;
using platform::kNoSound;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class MixerSoundDevice : public testing::Test {
 protected:
  void SetUp() override {
    platform::system::setEnvironmentDefault("SDL_AUDIODRIVER", "dummy");  // the same when run outside CTest
    device = platform::makeMixerSoundDevice();
    ASSERT_TRUE(device->open({.channels = 16, .rate = 22050, .bufferFrames = 4096}));
  }
  void TearDown() override {
    device->close();
    for (const std::string& path : written_) std::filesystem::remove(path);
  }

  // Writes the bytes to a file of this process and loads it.
  platform::SoundId loadBytes(const std::string& bytes, const std::string& name) {
    const std::string path = test_support::processTempPath("mixer", name + ".wav");
    std::ofstream(path, std::ios::binary) << bytes;
    written_.push_back(path);
    return device->load(path);
  }

  static std::string shipped(const std::string& name) { return readFile(std::string(KESTREL_RUN_FOLDER) + "/" + name); }

  std::unique_ptr<platform::SoundDevice> device;

 private:
  std::vector<std::string> written_;
};

}  // namespace

TEST_F(MixerSoundDevice, OpensGrowsPlaysHaltsAndClosesAsTheLayersExpect) {
  EXPECT_TRUE(device->isOpen());
  EXPECT_EQ(device->channelCount(), 16);
  EXPECT_EQ(device->growChannels(8), 16) << "never lowered";
  EXPECT_EQ(device->growChannels(32), 32);

  const platform::SoundId shot = device->load(std::string(KESTREL_RUN_FOLDER) + "/battle029.wav");
  ASSERT_NE(shot, kNoSound);
  EXPECT_GT(device->lengthMs(shot), 50);
  EXPECT_EQ(device->lengthMs(kNoSound), 0);
  EXPECT_EQ(device->play(kNoSound, kAnyChannel, 0), -1);
  EXPECT_EQ(device->play(shot, 40, 0), -1) << "no such channel";
  EXPECT_EQ(device->play(shot, kAnyChannel, platform::kLoopForever), 0);
  EXPECT_EQ(device->play(shot, kAnyChannel, 0), 1) << "the first free channel";
  EXPECT_EQ(device->play(shot, 7, 0), 7);
  EXPECT_TRUE(device->isPlaying(0));
  EXPECT_FALSE(device->isPlaying(2));
  EXPECT_FALSE(device->isPlaying(99));
  device->setVolume(kAnyChannel, 300);  // clamped, not refused
  device->halt(0);
  EXPECT_FALSE(device->isPlaying(0));
  EXPECT_TRUE(device->isPlaying(kAnyChannel));
  device->unload(shot);
  EXPECT_FALSE(device->isPlaying(kAnyChannel)) << "a freed sound stops first";

  device->close();
  EXPECT_FALSE(device->isOpen());
  EXPECT_EQ(device->channelCount(), 0);
  EXPECT_EQ(device->load(std::string(KESTREL_RUN_FOLDER) + "/battle029.wav"), kNoSound) << "closed";
  device->halt(kAnyChannel);  // harmless when closed
  ASSERT_TRUE(device->open({.channels = 4}));
  EXPECT_EQ(device->channelCount(), 4) << "opened again";
}

// Each coding SDL_mixer plays beyond plain PCM loads, and lasts as long as
// the PCM it was made from.
TEST_F(MixerSoundDevice, PlaysMuLawALawImaAdpcmExtensibleAndShortFiles) {
  for (const char* name : {"battle029.wav", "Item2.wav"}) {
    SCOPED_TRACE(name);
    const std::string pcmBytes = shipped(name);
    const auto pcm = platform_test::readPcm16Mono(pcmBytes);
    ASSERT_TRUE(pcm) << "the asset generator writes 16-bit mono PCM";
    const platform::SoundId plain = loadBytes(pcmBytes, "plain");
    ASSERT_NE(plain, kNoSound);
    const long length = device->lengthMs(plain);
    ASSERT_GT(length, 20);

    struct Variant {
      const char* coding;
      std::string bytes;
      long slackMs;
    };
    const Variant variants[] = {
        {"mu-law", platform_test::encodeMuLaw(*pcm), 1},
        {"a-law", platform_test::encodeALaw(*pcm), 1},
        {"ima-adpcm", platform_test::encodeImaAdpcm(*pcm), 1 + 505 * 1000 / pcm->rate},
        {"extensible", platform_test::encodeExtensible(*pcm), 1},
    };
    for (const Variant& v : variants) {
      const platform::SoundId sound = loadBytes(v.bytes, v.coding);
      ASSERT_NE(sound, kNoSound) << v.coding;
      EXPECT_NEAR(static_cast<double>(device->lengthMs(sound)), static_cast<double>(length), static_cast<double>(v.slackMs))
          << v.coding;
      EXPECT_GE(device->play(sound, kAnyChannel, 0), 0) << v.coding;
    }

    // Cut by an odd number of bytes: the RIFF and data sizes run past the
    // end, and the last sample is half there.
    const std::string shortFile = pcmBytes.substr(0, pcmBytes.size() - 301);
    const platform::SoundId cut = loadBytes(shortFile, "short");
    ASSERT_NE(cut, kNoSound);
    EXPECT_NEAR(static_cast<double>(device->lengthMs(cut)), static_cast<double>(length) - 150.0 * 1000 / pcm->rate, 2.0);
  }
}

// The damages of the fault tests, applied to every shipped sample: nothing
// crashes, no load decodes more than the file holds, a file cut too short
// for its format is refused and one cut in half plays its half.
TEST_F(MixerSoundDevice, DamagedSamplesAreRefusedOrPlayWhatTheyHold) {
  for (const char* name : {"aircraft008_mod.wav", "battle029.wav", "battle004.wav", "battle003.wav", "Item2.wav"}) {
    const std::string good = shipped(name);
    ASSERT_GT(good.size(), 1000u) << name;
    const platform::SoundId whole = loadBytes(good, "whole");
    ASSERT_NE(whole, kNoSound) << name;
    const long length = device->lengthMs(whole);
    for (const faults::DamageKind& damage : faults::damagesFor(faults::hugeSample)) {
      SCOPED_TRACE(std::string(name) + ": " + damage.name);
      const platform::SoundId sound = loadBytes(damage.make(good), "damaged");
      const std::string kind = damage.name;
      if (kind == "empty" || kind == "cut after 30 bytes") {
        EXPECT_EQ(sound, kNoSound);
      } else if (kind == "cut in half") {
        ASSERT_NE(sound, kNoSound);
        EXPECT_NEAR(static_cast<double>(device->lengthMs(sound)), static_cast<double>(length) / 2.0, 2.0);
      } else if (kind == "numbers that overflow") {
        EXPECT_EQ(sound, kNoSound) << "the fmt chunk, cut to the file, swallows the data";
      }
      EXPECT_LE(device->lengthMs(sound), length);
      device->play(sound, kAnyChannel, 0);
      device->unload(sound);
    }
  }
}
