// Row kernels written so that the compiler vectorises them: no branches in
// the loop bodies, only selects. The bodies are force-inlined into one
// wrapper per instruction set. Built at -O3 (see CMakeLists.txt).
#include "platform/blit_kernels.h"

#include <array>

namespace platform {

namespace {

#define KESTREL_KERNEL_BODY inline __attribute__((always_inline))

KESTREL_KERNEL_BODY void keyBody(Colour* __restrict out, const Colour* __restrict in, int count) {
  for (int i = 0; i < count; ++i) {
    const Colour c = in[i];
    out[i] = (c & 0x00FFFFFFu) == kMagenta ? out[i] : (c & 0x00FFFFFFu);
  }
}

// The blend of one pixel, exact to d + (s - d) * w / 256 with the division
// truncating toward zero. Rewritten without signed division: for w in 1..256
// that value equals (d * (256 - w) + s * w + (s < d ? 255 : 0)) >> 8, every
// term unsigned and the sum below 2^16 (checked for every d, s and w). Below
// 2^16 per channel means red and blue can share one 32-bit word (bits 0-15
// and 16-31) without a carry between them, so each pixel costs two
// multiplies per term instead of three, and the vectoriser needs no
// sign fix-ups.
KESTREL_KERNEL_BODY void blendBody(Colour* __restrict out, const Colour* __restrict in, int count, unsigned weight) {
  const std::uint32_t w = weight;
  const std::uint32_t rest = 256u - weight;
  for (int i = 0; i < count; ++i) {
    const Colour s = in[i];
    const Colour d = out[i];
    const std::uint32_t rbS = s & 0x00FF00FFu;
    const std::uint32_t rbD = d & 0x00FF00FFu;
    // Bit 8 of each 16-bit field of d + 255 - s is set exactly where s < d.
    const std::uint32_t rbLess = ((rbD + 0x00FF00FFu - rbS) >> 8) & 0x00010001u;
    const std::uint32_t rb = ((rbD * rest + rbS * w + rbLess * 255u) >> 8) & 0x00FF00FFu;
    const std::uint32_t gS = (s >> 8) & 0xFFu;
    const std::uint32_t gD = (d >> 8) & 0xFFu;
    const std::uint32_t g = ((gD * rest + gS * w + (gS < gD ? 255u : 0u)) >> 8) << 8;
    const Colour mixed = (d & 0xFF000000u) | rb | g;
    out[i] = (s & 0x00FFFFFFu) == kMagenta ? d : mixed;
  }
}

void keyBaseline(Colour* out, const Colour* in, int count) { keyBody(out, in, count); }
void blendBaseline(Colour* out, const Colour* in, int count, unsigned weight) { blendBody(out, in, count, weight); }

#if defined(__x86_64__) && defined(__GNUC__)
#define KESTREL_HAVE_X86_VARIANTS 1
__attribute__((target("sse4.2"))) void keySse4(Colour* out, const Colour* in, int count) { keyBody(out, in, count); }
__attribute__((target("sse4.2"))) void blendSse4(Colour* out, const Colour* in, int count, unsigned weight) {
  blendBody(out, in, count, weight);
}
__attribute__((target("avx2"))) void keyAvx2(Colour* out, const Colour* in, int count) { keyBody(out, in, count); }
__attribute__((target("avx2"))) void blendAvx2(Colour* out, const Colour* in, int count, unsigned weight) {
  blendBody(out, in, count, weight);
}
// AVX-512 at the compiler's preferred 256-bit width: the gain is in the
// mask registers (selects and loop tails without blends), not in wider vectors.
#define KESTREL_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl")))
KESTREL_AVX512 void keyAvx512(Colour* out, const Colour* in, int count) { keyBody(out, in, count); }
KESTREL_AVX512 void blendAvx512(Colour* out, const Colour* in, int count, unsigned weight) {
  blendBody(out, in, count, weight);
}
#endif

struct Variants {
  std::array<BlitKernels, 4> list{};
  std::size_t count = 0;
  Variants() {
    list[count++] = {"baseline", keyBaseline, blendBaseline};
#ifdef KESTREL_HAVE_X86_VARIANTS
    __builtin_cpu_init();
    if (__builtin_cpu_supports("sse4.2")) list[count++] = {"sse4.2", keySse4, blendSse4};
    if (__builtin_cpu_supports("avx2")) list[count++] = {"avx2", keyAvx2, blendAvx2};
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vl")) {
      list[count++] = {"avx512", keyAvx512, blendAvx512};
    }
#endif
  }
};

const Variants& variants() {
  static const Variants v;
  return v;
}

}  // namespace

std::span<const BlitKernels> availableBlitKernels() { return {variants().list.data(), variants().count}; }

const BlitKernels& activeBlitKernels() {
  static const BlitKernels& chosen = variants().list[variants().count - 1];
  return chosen;
}

void referenceKeyRow(Colour* out, const Colour* in, int count) {
  for (int i = 0; i < count; ++i) {
    if (!isMagenta(in[i])) out[i] = in[i] & 0x00FFFFFFu;
  }
}

void referenceBlendRow(Colour* out, const Colour* in, int count, unsigned weight) {
  for (int i = 0; i < count; ++i) {
    if (isMagenta(in[i])) continue;
    Colour result = out[i] & 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
      const int d = static_cast<int>((out[i] >> shift) & 0xFFu);
      const int s = static_cast<int>((in[i] >> shift) & 0xFFu);
      result |= static_cast<Colour>(d + (s - d) * static_cast<int>(weight) / 256) << shift;
    }
    out[i] = result;
  }
}

}  // namespace platform
