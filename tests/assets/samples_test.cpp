#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "audio/samples.h"
#include "gen_kit/synth.h"

namespace assets {
namespace {

class Samples : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { samples_ = new std::vector<NamedSample>(gameSamples()); }
  static void TearDownTestSuite() { delete samples_; }
  static inline std::vector<NamedSample>* samples_ = nullptr;
};

TEST_F(Samples, AreFiveValidWavFilesUnderTheGamesNames) {
  const char* names[] = {"aircraft008_mod.wav", "battle029.wav", "battle004.wav", "battle003.wav", "Item2.wav"};
  ASSERT_EQ(samples_->size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    const NamedSample& s = (*samples_)[i];
    EXPECT_EQ(s.fileName, names[i]);
    const std::vector<std::uint8_t> bytes = encodeWav(s.sound);
    const std::optional<WavData> wav = decodeWav(bytes);
    ASSERT_TRUE(wav.has_value()) << s.fileName;
    EXPECT_EQ(wav->channels, 1);
    EXPECT_EQ(wav->sampleRate, 22050);
    EXPECT_EQ(wav->bitsPerSample, 16);
    EXPECT_EQ(wav->samples.size(), s.sound.samples.size());
    EXPECT_GT(wav->samples.size(), 22050u / 10) << s.fileName;
  }
}

TEST_F(Samples, NeverClipAndSitAtBalancedLevels) {
  for (const NamedSample& s : *samples_) {
    const double peakDb = gen_kit::toDecibels(gen_kit::peakOf(s.sound.samples));
    const double loudDb = gen_kit::toDecibels(gen_kit::loudestWindowRms(s.sound.samples, kSampleRate));
    EXPECT_LE(peakDb, kPeakCeilingDb + 0.01) << s.fileName;
    const std::vector<std::uint8_t> bytes = encodeWav(s.sound);
    const std::optional<WavData> wav = decodeWav(bytes);
    ASSERT_TRUE(wav.has_value());
    for (std::int16_t v : wav->samples) ASSERT_LT(std::abs(static_cast<int>(v)), 32767) << s.fileName;
    if (s.loops) {
      EXPECT_NEAR(loudDb, kEngineLoudnessDb, 1.5) << s.fileName;
    } else {
      // Each effect within 3 dB of the common target.
      EXPECT_NEAR(loudDb, kEffectLoudnessDb, 3.0) << s.fileName;
    }
  }
}

TEST_F(Samples, OneShotsStartAndEndInSilence) {
  for (const NamedSample& s : *samples_) {
    if (s.loops) continue;
    EXPECT_LT(std::abs(s.sound.samples.front()), 0.01f) << s.fileName;
    EXPECT_LT(std::abs(s.sound.samples.back()), 0.01f) << s.fileName;
  }
}

TEST_F(Samples, EngineLoopWrapsWithoutAClick) {
  const std::vector<float>& s = samples_->front().sound.samples;
  ASSERT_TRUE(samples_->front().loops);
  double largestStep = 0;
  double meanStep = 0;
  for (std::size_t i = 1; i < s.size(); ++i) {
    const double step = std::abs(static_cast<double>(s[i]) - s[i - 1]);
    largestStep = std::max(largestStep, step);
    meanStep += step;
  }
  meanStep /= static_cast<double>(s.size() - 1);
  // The jump from the last sample back to the first is an ordinary step,
  // and the slope carries on across it too (no kink).
  const double wrapStep = std::abs(static_cast<double>(s.front()) - s.back());
  EXPECT_LE(wrapStep, 3.0 * meanStep);
  EXPECT_LE(wrapStep, largestStep);
  const double slopeEnd = static_cast<double>(s.back()) - s[s.size() - 2];
  const double slopeWrap = static_cast<double>(s.front()) - s.back();
  const double slopeStart = static_cast<double>(s[1]) - s.front();
  EXPECT_LE(std::abs(slopeWrap - (slopeEnd + slopeStart) / 2.0), 2.0 * meanStep);
}

TEST(Synth, LoudnessAndNormalising) {
  // A full-scale sine: peak 0 dBFS, RMS -3 dBFS.
  std::vector<float> sine(22050);
  for (std::size_t i = 0; i < sine.size(); ++i) sine[i] = static_cast<float>(std::sin(static_cast<double>(i) * 0.1));
  EXPECT_NEAR(gen_kit::toDecibels(gen_kit::peakOf(sine)), 0.0, 0.01);
  EXPECT_NEAR(gen_kit::toDecibels(gen_kit::loudestWindowRms(sine, 22050)), -3.01, 0.05);
  // Normalising to -20 dB loudness; the ceiling wins when it is lower.
  std::vector<float> quiet = sine;
  gen_kit::normaliseLoudness(quiet, 22050, -20.0, -1.0);
  EXPECT_NEAR(gen_kit::toDecibels(gen_kit::loudestWindowRms(quiet, 22050)), -20.0, 0.05);
  std::vector<float> capped = sine;
  gen_kit::normaliseLoudness(capped, 22050, 0.0, -6.0);
  EXPECT_NEAR(gen_kit::toDecibels(gen_kit::peakOf(capped)), -6.0, 0.01);
}

TEST(Wav, RefusesFilesThatAreNotPcmWav) {
  Sound s;
  s.samples = {0.0f, 0.5f, -0.5f};
  std::vector<std::uint8_t> good = encodeWav(s);
  ASSERT_TRUE(decodeWav(good).has_value());
  EXPECT_EQ(decodeWav(good)->samples, (std::vector<std::int16_t>{0, 16384, -16384}));

  std::vector<std::uint8_t> shortFile(good.begin(), good.end() - 2);
  EXPECT_FALSE(decodeWav(shortFile).has_value());
  std::vector<std::uint8_t> badTag = good;
  badTag[8] = 'X';
  EXPECT_FALSE(decodeWav(badTag).has_value());
  std::vector<std::uint8_t> eightBit = good;
  eightBit[34] = 8;
  EXPECT_FALSE(decodeWav(eightBit).has_value());
}

}  // namespace
}  // namespace assets
