// Sound files made safe for their decoder: sizes cut to the file, kinds told
// by their first bytes, and the stricter check of generated MP3 files.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sound_file_check.h"

using namespace platform;

namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& b, std::size_t at, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(v >> (8 * i));
}

Bytes wav(std::uint32_t dataBytes, std::uint16_t channels = 2, std::uint16_t bits = 16) {
  Bytes b(44 + dataBytes, 0);
  const char* tags = "RIFF....WAVEfmt ";
  for (int i = 0; i < 16; ++i) b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(tags[i]);
  put(b, 4, 36 + dataBytes, 4);
  put(b, 16, 16, 4);
  put(b, 20, 1, 2);
  put(b, 22, channels, 2);
  put(b, 24, 22050, 4);
  put(b, 28, 22050u * channels * (bits / 8u), 4);
  put(b, 32, static_cast<std::uint32_t>(channels * (bits / 8)), 2);
  put(b, 34, bits, 2);
  b[36] = 'd'; b[37] = 'a'; b[38] = 't'; b[39] = 'a';
  put(b, 40, dataBytes, 4);
  return b;
}

bool ok(const Bytes& b) { return wavLooksSound(b.data(), b.size()); }
std::uint32_t le32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

}  // namespace

TEST(WavCheck, SizesBeyondTheFileAreCutToWhatIsThere) {
  EXPECT_TRUE(ok(wav(400)));
  EXPECT_TRUE(ok(wav(3, 1, 8)));
  Bytes b = wav(400);
  put(b, 4, 0xFFFFFFFFu, 4);
  put(b, 40, 0x7FFFFFF0u, 4);
  ASSERT_TRUE(fitWavToItsBytes(b));
  EXPECT_EQ(le32At(b, 4), b.size() - 8) << "RIFF size";
  EXPECT_EQ(le32At(b, 40), 400u) << "data size";
  b = wav(400);
  b.resize(b.size() - 51);
  ASSERT_TRUE(fitWavToItsBytes(b)) << "a slightly short file plays what it has";
  EXPECT_EQ(le32At(b, 40), 349u);
  b = wav(400);
  put(b, 16, 0xFFFFFF00u, 4);
  EXPECT_FALSE(ok(b)) << "the fmt chunk, cut to the file, swallows the data chunk";
  b = wav(400);
  b.resize(30);
  EXPECT_FALSE(ok(b)) << "cut inside the fmt chunk";
  b = wav(400);
  b.resize(40);
  EXPECT_FALSE(ok(b)) << "no data chunk";
}

// The coding, block alignment and bit depth are the decoder's to check; what
// is refused here is what would make decoding itself unbounded.
TEST(WavCheck, LeavesCodingsToTheDecoderButBoundsTheDecodedSize) {
  for (const std::uint32_t coding : {2u, 6u, 7u, 0x11u, 0xFFFEu, 0x55u}) {
    Bytes b = wav(40);
    put(b, 20, coding, 2);
    put(b, 32, 3, 2);  // a block alignment no PCM file has
    EXPECT_TRUE(ok(b)) << coding;
  }
  Bytes b = wav(40);
  put(b, 22, 0, 2);
  EXPECT_FALSE(ok(b)) << "no channels";
  b = wav(40);
  put(b, 24, 0, 4);
  EXPECT_FALSE(ok(b)) << "no sample rate";
  // 100 kB at 1 Hz would be resampled to gigabytes; at 8000 Hz it is a
  // telephone recording of a few seconds.
  b = wav(100000, 1, 8);
  put(b, 24, 1, 4);
  EXPECT_FALSE(ok(b)) << "decoded far beyond the limit";
  put(b, 24, 8000, 4);
  EXPECT_TRUE(ok(b));
  b = wav(40);
  b[8] = 'X';
  EXPECT_FALSE(ok(b));
  EXPECT_FALSE(wavLooksSound(nullptr, 0));
}

TEST(SoundKind, ToldByTheFirstBytes) {
  const Bytes riff = wav(4);
  EXPECT_EQ(soundKindOf(riff.data(), riff.size()), SoundKind::Wav);
  const Bytes ogg = {'O', 'g', 'g', 'S', 0};
  EXPECT_EQ(soundKindOf(ogg.data(), ogg.size()), SoundKind::Ogg);
  const Bytes id3 = {'I', 'D', '3', 4};
  EXPECT_EQ(soundKindOf(id3.data(), id3.size()), SoundKind::Mp3);
  const Bytes sync = {0xFF, 0xFB, 0x90};
  EXPECT_EQ(soundKindOf(sync.data(), sync.size()), SoundKind::Mp3);
  // AIFF and VOC loaders believe their headers too, and no program ships them.
  Bytes aiff = {'F', 'O', 'R', 'M', 0, 0, 0, 4, 'A', 'I', 'F', 'F'};
  EXPECT_EQ(soundKindOf(aiff.data(), aiff.size()), SoundKind::Unknown);
  EXPECT_FALSE(prepareSoundForDecoding(aiff));
  EXPECT_FALSE(soundFileLooksSound("/nonexistent/a.wav"));
}

TEST(Mp3Check, FrameHeaderAndId3TagSize) {
  const Bytes frame = {0xFF, 0xFB, 0x90, 0x64, 0, 0, 0, 0};
  EXPECT_TRUE(mp3LooksSound(frame.data(), frame.size()));
  Bytes tagged = {'I', 'D', '3', 4, 0, 0, 0, 0, 0, 2, 0, 0};
  tagged.insert(tagged.end(), frame.begin(), frame.end());
  EXPECT_TRUE(mp3LooksSound(tagged.data(), tagged.size()));
  tagged[9] = 0x7F;  // the tag now claims more than the file holds
  EXPECT_FALSE(mp3LooksSound(tagged.data(), tagged.size()));
  const Bytes reservedLayer = {0xFF, 0xF9, 0x90, 0x64};
  EXPECT_FALSE(mp3LooksSound(reservedLayer.data(), reservedLayer.size()));
  const Bytes noSync = {0x00, 0xFB, 0x90, 0x64};
  EXPECT_FALSE(mp3LooksSound(noSync.data(), noSync.size()));
}
