// The generated sounds: pitches of the bounce notes, the tune's length and
// score, loudness without clipping, and files the sound layer accepts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/sound_file_check.h"
#include "demos/generator/effects.h"
#include "demos/generator/sound_out.h"
#include "demos/generator/sound.h"
#include "demos/generator/tune.h"

namespace {

// The strongest period between 40 and 400 Hz by autocorrelation of the
// first 150 ms.
double pitchOf(const demo_gen::Samples& s) {
  const std::size_t window = static_cast<std::size_t>(demo_gen::kSampleRate * 0.15);
  double best = 0.0;
  int bestLag = 0;
  for (int lag = demo_gen::kSampleRate / 400; lag <= demo_gen::kSampleRate / 40; ++lag) {
    double sum = 0.0;
    for (std::size_t i = 0; i + static_cast<std::size_t>(lag) < window && i + static_cast<std::size_t>(lag) < s.size(); ++i) {
      sum += s[i] * s[i + static_cast<std::size_t>(lag)];
    }
    if (sum > best) {
      best = sum;
      bestLag = lag;
    }
  }
  return bestLag > 0 ? static_cast<double>(demo_gen::kSampleRate) / bestLag : 0.0;
}

TEST(BounceNotes, SoundTheThreeDistinctPitchesTheirNamesGive) {
  const double low = pitchOf(demo_gen::bounceNote(demo_gen::kBounceNoteLow));
  const double middle = pitchOf(demo_gen::bounceNote(demo_gen::kBounceNoteMiddle));
  const double high = pitchOf(demo_gen::bounceNote(demo_gen::kBounceNoteHigh));
  EXPECT_NEAR(low, 87.31, 87.31 * 0.03);     // F2, note 0x29
  EXPECT_NEAR(middle, 155.56, 155.56 * 0.03);  // D#3, note 0x33
  EXPECT_NEAR(high, 246.94, 246.94 * 0.03);    // B3, note 0x3B
}

TEST(Effects, AreLoudButNeverClipAndStartWithoutAClick) {
  const std::vector<demo_gen::Samples> sounds{demo_gen::bounceNote(demo_gen::kBounceNoteLow), demo_gen::gong(),
                                           demo_gen::missileLaunch(), demo_gen::flyby().left};
  for (const demo_gen::Samples& s : sounds) {
    const double peak = gen_kit::peakOf(s);
    EXPECT_GT(peak, 0.5);
    EXPECT_LT(peak, 0.9);
    EXPECT_LT(std::abs(s.front()), 0.01);
    EXPECT_LT(std::abs(s.back()), 0.05);
  }
}

TEST(Tune, LastsHalfAMinuteToAMinuteInStereoWithoutClipping) {
  EXPECT_EQ(demo_gen::checkScore(), "");
  const demo_gen::Stereo music = demo_gen::tune();
  const double seconds = static_cast<double>(music.left.size()) / demo_gen::kSampleRate;
  EXPECT_GE(seconds, 30.0);
  EXPECT_LE(seconds, 60.0);
  EXPECT_EQ(music.left.size(), music.right.size());
  EXPECT_LE(std::max(gen_kit::peakOf(music.left), gen_kit::peakOf(music.right)), 0.9);
  // The two sides differ: the mix is spread, not mono twice.
  double difference = 0.0;
  for (std::size_t i = 0; i < music.left.size(); i += 97) difference += std::abs(music.left[i] - music.right[i]);
  EXPECT_GT(difference, 10.0);
}

TEST(TuneScore, MelodyBarsMustFillSixteenSixteenthsWithRealNotes) {
  std::vector<demo_gen::MelodyNote> notes;
  std::string error;
  ASSERT_TRUE(demo_gen::parseMelodyBar("E5:4 -:2 F#5:10", notes, error)) << error;
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[1].note, -1);
  EXPECT_EQ(notes[2].start, 6);
  EXPECT_EQ(notes[2].note, 78);
  EXPECT_FALSE(demo_gen::parseMelodyBar("E5:4 E5:4", notes, error));
  EXPECT_NE(error.find("8 sixteenths"), std::string::npos);
  EXPECT_FALSE(demo_gen::parseMelodyBar("H5:16", notes, error));
  EXPECT_FALSE(demo_gen::parseMelodyBar("E5:x", notes, error));
  EXPECT_FALSE(demo_gen::parseMelodyBar("E5:0 E5:16", notes, error));
  EXPECT_EQ(demo_gen::noteNumber("C4"), 60);
  EXPECT_EQ(demo_gen::noteNumber("Bb3"), 58);
  EXPECT_EQ(demo_gen::noteNumber("C"), -1);
}

TEST(SoundFiles, WavAndMp3PassTheSoundLayersChecks) {
  const demo_gen::Samples note = demo_gen::bounceNote(demo_gen::kBounceNoteHigh);
  const std::vector<std::uint8_t> wav = demo_gen::encodeWav(note);
  EXPECT_TRUE(platform::wavLooksSound(wav.data(), wav.size()));
  EXPECT_EQ(wav.size(), 44 + 2 * note.size());
  const std::vector<std::uint8_t> mp3 = demo_gen::encodeMp3(note, 128);
  ASSERT_FALSE(mp3.empty());
  EXPECT_TRUE(platform::mp3LooksSound(mp3.data(), mp3.size()));
  const std::vector<std::uint8_t> stereo = demo_gen::encodeMp3(demo_gen::flyby(), 160);
  EXPECT_TRUE(platform::mp3LooksSound(stereo.data(), stereo.size()));
}

TEST(SoundFiles, SamplesAreRoundedAndClampedToSixteenBits) {
  const std::vector<std::int16_t> expected{0, 32767, -32767, 32767, -32767, 16384};
  EXPECT_EQ(gen_kit::toPcm16(gen_kit::Samples{0.0, 1.0, -1.0, 2.0, -3.0, 0.5}), expected);
  // The game's float samples follow the same rule.
  EXPECT_EQ(gen_kit::toPcm16(std::vector<float>{0.0f, 1.0f, -1.0f, 2.0f, -3.0f, 0.5f}), expected);
}

}  // namespace
