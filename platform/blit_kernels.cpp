// Row kernels written so that the compiler vectorises them: no branches in
// the loop bodies, only selects. The bodies are force-inlined into one
// wrapper per instruction set. Built at -O3 (see CMakeLists.txt).
#include "platform/blit_kernels.h"

#include <array>

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

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

KESTREL_KERNEL_BODY void keyRectBody(Colour* out, std::ptrdiff_t outStride, const Colour* in, std::ptrdiff_t inStride,
                                     int width, int height) {
  for (int row = 0; row < height; ++row, out += outStride, in += inStride) keyBody(out, in, width);
}

KESTREL_KERNEL_BODY void blendRectBody(Colour* out, std::ptrdiff_t outStride, const Colour* in,
                                       std::ptrdiff_t inStride, int width, int height, unsigned weight) {
  for (int row = 0; row < height; ++row, out += outStride, in += inStride) blendBody(out, in, width, weight);
}

// One set of four entry points per instruction set, all from the same bodies.
#define KESTREL_KERNEL_SET(ATTR, SUFFIX)                                                                       \
  ATTR void key##SUFFIX(Colour* out, const Colour* in, int count) { keyBody(out, in, count); }               \
  ATTR void blend##SUFFIX(Colour* out, const Colour* in, int count, unsigned weight) {                       \
    blendBody(out, in, count, weight);                                                                        \
  }                                                                                                           \
  ATTR void keyRect##SUFFIX(Colour* out, std::ptrdiff_t os, const Colour* in, std::ptrdiff_t is, int w, int h) { \
    keyRectBody(out, os, in, is, w, h);                                                                       \
  }                                                                                                           \
  ATTR void blendRect##SUFFIX(Colour* out, std::ptrdiff_t os, const Colour* in, std::ptrdiff_t is, int w, int h, \
                              unsigned weight) {                                                              \
    blendRectBody(out, os, in, is, w, h, weight);                                                             \
  }

KESTREL_KERNEL_SET(, Baseline)

#if defined(__x86_64__) && defined(__GNUC__)
#define KESTREL_HAVE_X86_VARIANTS 1
KESTREL_KERNEL_SET(__attribute__((target("sse4.2"))), Sse4)
KESTREL_KERNEL_SET(__attribute__((target("avx2"))), Avx2)
// AVX-512 at the compiler's preferred 256-bit width: the gain is in the
// mask registers (selects and loop tails without blends), not in wider vectors.
KESTREL_KERNEL_SET(__attribute__((target("avx512f,avx512bw,avx512vl"))), Avx512)
#endif

#if defined(__wasm_simd128__)
#define KESTREL_HAVE_WASM_VARIANT 1
// For WebAssembly, clang turns the key body's select into a store under a
// branch, which its SIMD cannot do, and leaves the loop scalar; written with
// the SIMD operations, the select stays a select. Same results, four pixels
// a step.
void keyWasmSimd(Colour* out, const Colour* in, int count) {
  const v128_t colourBits = wasm_i32x4_splat(0x00FFFFFF);
  const v128_t magenta = wasm_i32x4_splat(static_cast<std::int32_t>(kMagenta));
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    const v128_t c = wasm_v128_and(wasm_v128_load(in + i), colourBits);
    const v128_t d = wasm_v128_load(out + i);
    wasm_v128_store(out + i, wasm_v128_bitselect(d, c, wasm_i32x4_eq(c, magenta)));
  }
  keyBody(out + i, in + i, count - i);
}
void keyRectWasmSimd(Colour* out, std::ptrdiff_t outStride, const Colour* in, std::ptrdiff_t inStride, int width,
                     int height) {
  for (int row = 0; row < height; ++row, out += outStride, in += inStride) keyWasmSimd(out, in, width);
}
#endif

struct Variants {
  std::array<BlitKernels, 4> list{};
  std::size_t count = 0;
  Variants() {
    list[count++] = {"baseline", keyBaseline, blendBaseline, keyRectBaseline, blendRectBaseline};
#ifdef KESTREL_HAVE_WASM_VARIANT
    list[count++] = {"wasm-simd", keyWasmSimd, blendBaseline, keyRectWasmSimd, blendRectBaseline};
#endif
#ifdef KESTREL_HAVE_X86_VARIANTS
    __builtin_cpu_init();
    if (__builtin_cpu_supports("sse4.2")) list[count++] = {"sse4.2", keySse4, blendSse4, keyRectSse4, blendRectSse4};
    if (__builtin_cpu_supports("avx2")) list[count++] = {"avx2", keyAvx2, blendAvx2, keyRectAvx2, blendRectAvx2};
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vl")) {
      list[count++] = {"avx512", keyAvx512, blendAvx512, keyRectAvx512, blendRectAvx512};
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
