// Every blit kernel variant against the plain reference loops, bit for bit.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/blit_kernels.h"

using namespace platform;

namespace {

std::vector<Colour> randomRow(std::mt19937& rng, int n) {
  std::vector<Colour> row(static_cast<std::size_t>(n));
  for (auto& c : row) {
    c = static_cast<Colour>(rng());
    if (rng() % 4 == 0) c = (c & 0xFF000000u) | kMagenta;  // plenty of keyed pixels, any alpha
  }
  return row;
}

}  // namespace

TEST(BlitKernels, EveryVariantMatchesTheReferenceOnRandomRows) {
  std::mt19937 rng(1234);
  ASSERT_FALSE(availableBlitKernels().empty());
  for (const BlitKernels& k : availableBlitKernels()) {
    for (int trial = 0; trial < 300; ++trial) {
      const int n = static_cast<int>(rng() % 133);  // odd lengths exercise the loop tails
      const auto src = randomRow(rng, n);
      const auto dst = randomRow(rng, n);
      auto expected = dst;
      auto got = dst;
      referenceKeyRow(expected.data(), src.data(), n);
      k.keyRow(got.data(), src.data(), n);
      ASSERT_EQ(got, expected) << k.name << " key, length " << n;
      const unsigned weight = 1 + static_cast<unsigned>(rng() % 256);
      expected = dst;
      got = dst;
      referenceBlendRow(expected.data(), src.data(), n, weight);
      k.blendRow(got.data(), src.data(), n, weight);
      ASSERT_EQ(got, expected) << k.name << " blend, weight " << weight << ", length " << n;
      // The rectangle forms: three rows of n pixels, out of a wider source
      // and into a wider target, match the row reference row by row.
      const int rows = 3;
      const auto bigSrc = randomRow(rng, (n + 5) * rows);
      const auto bigDst = randomRow(rng, (n + 9) * rows);
      for (const bool blend : {false, true}) {
        auto rectExpected = bigDst;
        auto rectGot = bigDst;
        for (int r = 0; r < rows; ++r) {
          Colour* out = rectExpected.data() + r * (n + 9);
          const Colour* in = bigSrc.data() + r * (n + 5);
          blend ? referenceBlendRow(out, in, n, weight) : referenceKeyRow(out, in, n);
        }
        if (blend) {
          k.blendRect(rectGot.data(), n + 9, bigSrc.data(), n + 5, n, rows, weight);
        } else {
          k.keyRect(rectGot.data(), n + 9, bigSrc.data(), n + 5, n, rows);
        }
        ASSERT_EQ(rectGot, rectExpected) << k.name << (blend ? " blend" : " key") << " rectangle, width " << n;
      }
    }
  }
}

TEST(BlitKernels, ClippedBlitsMatchAPerPixelReference) {
  std::mt19937 rng(99);
  for (int trial = 0; trial < 200; ++trial) {
    Image src = createImage(1 + static_cast<int>(rng() % 70), 1 + static_cast<int>(rng() % 70), 0);
    for (auto& c : src.pixels) c = rng() % 3 == 0 ? kOpaqueMagenta : static_cast<Colour>(rng());
    Image dst = createImage(64, 48, 0);
    for (auto& c : dst.pixels) c = static_cast<Colour>(rng());
    Image expected = dst;
    const int x = static_cast<int>(rng() % 120) - 40;
    const int y = static_cast<int>(rng() % 100) - 40;
    const int sx1 = static_cast<int>(rng() % 80) - 5, sy1 = static_cast<int>(rng() % 80) - 5;
    const int sx2 = sx1 + static_cast<int>(rng() % 60), sy2 = sy1 + static_cast<int>(rng() % 60);
    const auto mode = static_cast<DrawMode>(rng() % 3);
    const int alpha = static_cast<int>(rng() % 256);
    drawImage(dst, x, y, src, sx1, sy1, sx2, sy2, mode, alpha);
    for (int sy = sy1; sy <= sy2; ++sy) {
      for (int sx = sx1; sx <= sx2; ++sx) {
        const int tx = x + sx - sx1, ty = y + sy - sy1;
        if (!src.contains(sx, sy) || !expected.contains(tx, ty)) continue;
        Colour& out = expected.row(ty)[tx];
        const Colour in = src.row(sy)[sx];
        if (mode == DrawMode::Opaque) out = in;
        if (mode == DrawMode::Transparent) referenceKeyRow(&out, &in, 1);
        if (mode == DrawMode::Blend) referenceBlendRow(&out, &in, 1, static_cast<unsigned>(alpha + 1));
      }
    }
    ASSERT_EQ(dst.pixels, expected.pixels) << "trial " << trial;
  }
}

// The blend kernels compute the mix without a signed division; this walks
// every (destination, source) pair of channel values at every weight, so the
// rewrite is checked everywhere, not just on a random sample.
TEST(BlitKernels, BlendMatchesTheReferenceForEveryChannelPairAndWeight) {
  constexpr int kPairs = 256 * 256;
  std::vector<Colour> src(kPairs);
  std::vector<Colour> dst(kPairs);
  for (int i = 0; i < kPairs; ++i) {
    const auto a = static_cast<Colour>(i & 0xFF);
    const auto b = static_cast<Colour>(i >> 8);
    // Each channel sees every pair, in a different arrangement per channel.
    dst[static_cast<std::size_t>(i)] = 0x5A000000u | a << 16 | b << 8 | (255u - a);
    src[static_cast<std::size_t>(i)] = 0xC3000000u | b << 16 | a << 8 | b;
  }
  for (const BlitKernels& k : availableBlitKernels()) {
    for (unsigned weight = 1; weight <= 256; ++weight) {
      auto expected = dst;
      auto got = dst;
      referenceBlendRow(expected.data(), src.data(), kPairs, weight);
      k.blendRow(got.data(), src.data(), kPairs, weight);
      ASSERT_EQ(got, expected) << k.name << " weight " << weight;
    }
  }
}
