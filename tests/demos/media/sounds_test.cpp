// The generated sounds: pitches of the bounce notes, the tune's length and
// score, loudness without clipping, and files the sound layer accepts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/sound_file_check.h"
#include "demos/media/effects.h"
#include "demos/media/sound_out.h"
#include "demos/media/synth.h"
#include "demos/media/tune.h"

namespace {

// The strongest period between 40 and 400 Hz by autocorrelation of the
// first 150 ms.
double pitchOf(const media::Samples& s) {
  const std::size_t window = static_cast<std::size_t>(media::kSampleRate * 0.15);
  double best = 0.0;
  int bestLag = 0;
  for (int lag = media::kSampleRate / 400; lag <= media::kSampleRate / 40; ++lag) {
    double sum = 0.0;
    for (std::size_t i = 0; i + static_cast<std::size_t>(lag) < window && i + static_cast<std::size_t>(lag) < s.size(); ++i) {
      sum += s[i] * s[i + static_cast<std::size_t>(lag)];
    }
    if (sum > best) {
      best = sum;
      bestLag = lag;
    }
  }
  return bestLag > 0 ? static_cast<double>(media::kSampleRate) / bestLag : 0.0;
}

TEST(BounceNotes, SoundTheThreeDistinctPitchesTheirNamesGive) {
  const double low = pitchOf(media::bounceNote(media::kBounceNoteLow));
  const double middle = pitchOf(media::bounceNote(media::kBounceNoteMiddle));
  const double high = pitchOf(media::bounceNote(media::kBounceNoteHigh));
  EXPECT_NEAR(low, 87.31, 87.31 * 0.03);     // F2, note 0x29
  EXPECT_NEAR(middle, 155.56, 155.56 * 0.03);  // D#3, note 0x33
  EXPECT_NEAR(high, 246.94, 246.94 * 0.03);    // B3, note 0x3B
}

TEST(Effects, AreLoudButNeverClipAndStartWithoutAClick) {
  const std::vector<media::Samples> sounds{media::bounceNote(media::kBounceNoteLow), media::gong(),
                                           media::missileLaunch(), media::flyby().left};
  for (const media::Samples& s : sounds) {
    const double peak = media::peakOf(s);
    EXPECT_GT(peak, 0.5);
    EXPECT_LT(peak, 0.9);
    EXPECT_LT(std::abs(s.front()), 0.01);
    EXPECT_LT(std::abs(s.back()), 0.05);
  }
}

TEST(Tune, LastsHalfAMinuteToAMinuteInStereoWithoutClipping) {
  EXPECT_EQ(media::checkScore(), "");
  const media::Stereo music = media::tune();
  const double seconds = static_cast<double>(music.left.size()) / media::kSampleRate;
  EXPECT_GE(seconds, 30.0);
  EXPECT_LE(seconds, 60.0);
  EXPECT_EQ(music.left.size(), music.right.size());
  EXPECT_LE(std::max(media::peakOf(music.left), media::peakOf(music.right)), 0.9);
  // The two sides differ: the mix is spread, not mono twice.
  double difference = 0.0;
  for (std::size_t i = 0; i < music.left.size(); i += 97) difference += std::abs(music.left[i] - music.right[i]);
  EXPECT_GT(difference, 10.0);
}

TEST(TuneScore, MelodyBarsMustFillSixteenSixteenthsWithRealNotes) {
  std::vector<media::MelodyNote> notes;
  std::string error;
  ASSERT_TRUE(media::parseMelodyBar("E5:4 -:2 F#5:10", notes, error)) << error;
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[1].note, -1);
  EXPECT_EQ(notes[2].start, 6);
  EXPECT_EQ(notes[2].note, 78);
  EXPECT_FALSE(media::parseMelodyBar("E5:4 E5:4", notes, error));
  EXPECT_NE(error.find("8 sixteenths"), std::string::npos);
  EXPECT_FALSE(media::parseMelodyBar("H5:16", notes, error));
  EXPECT_FALSE(media::parseMelodyBar("E5:x", notes, error));
  EXPECT_FALSE(media::parseMelodyBar("E5:0 E5:16", notes, error));
  EXPECT_EQ(media::noteNumber("C4"), 60);
  EXPECT_EQ(media::noteNumber("Bb3"), 58);
  EXPECT_EQ(media::noteNumber("C"), -1);
}

TEST(SoundFiles, WavAndMp3PassTheSoundLayersChecks) {
  const media::Samples note = media::bounceNote(media::kBounceNoteHigh);
  const std::vector<std::uint8_t> wav = media::encodeWav(note);
  EXPECT_TRUE(platform::wavLooksSound(wav.data(), wav.size()));
  EXPECT_EQ(wav.size(), 44 + 2 * note.size());
  const std::vector<std::uint8_t> mp3 = media::encodeMp3(note, 128);
  ASSERT_FALSE(mp3.empty());
  EXPECT_TRUE(platform::mp3LooksSound(mp3.data(), mp3.size()));
  const std::vector<std::uint8_t> stereo = media::encodeMp3(media::flyby(), 160);
  EXPECT_TRUE(platform::mp3LooksSound(stereo.data(), stereo.size()));
}

TEST(SoundFiles, SamplesAreRoundedAndClampedToSixteenBits) {
  EXPECT_EQ(media::toPcm16({0.0, 1.0, -1.0, 2.0, -3.0, 0.5}),
            (std::vector<short>{0, 32767, -32767, 32767, -32767, 16384}));
}

}  // namespace
