// WAV and MP3 header checks turn away files whose sizes do not fit.
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

}  // namespace

TEST(WavCheck, AcceptsPlainPcmAndRefusesSizesBeyondTheFile) {
  EXPECT_TRUE(ok(wav(400)));
  EXPECT_TRUE(ok(wav(3, 1, 8)));
  Bytes b = wav(400);
  put(b, 40, 0x7FFFFFF0u, 4);
  EXPECT_FALSE(ok(b)) << "data chunk declared larger than the file";
  b = wav(400);
  put(b, 16, 0xFFFFFF00u, 4);
  EXPECT_FALSE(ok(b)) << "fmt chunk declared larger than the file";
  b = wav(400);
  put(b, 4, 0xFFFFFFFFu, 4);
  EXPECT_FALSE(ok(b)) << "RIFF size beyond the file";
  b = wav(400);
  b.resize(30);
  EXPECT_FALSE(ok(b)) << "cut inside the fmt chunk";
}

TEST(WavCheck, RefusesImpossibleFormats) {
  Bytes b = wav(40);
  put(b, 22, 0, 2);
  EXPECT_FALSE(ok(b)) << "no channels";
  b = wav(40);
  put(b, 24, 5, 4);
  EXPECT_FALSE(ok(b)) << "sample rate";
  b = wav(40);
  put(b, 34, 12, 2);
  EXPECT_FALSE(ok(b)) << "bit depth";
  b = wav(40);
  put(b, 20, 2, 2);
  EXPECT_FALSE(ok(b)) << "compressed formats are not shipped";
  b = wav(40);
  b[8] = 'X';
  EXPECT_FALSE(ok(b));
  EXPECT_FALSE(wavLooksSound(nullptr, 0));
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
  EXPECT_FALSE(soundFileLooksSound("/nonexistent/a.wav"));
}
