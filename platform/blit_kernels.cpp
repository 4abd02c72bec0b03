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

// One channel: d + (s - d) * w / 256 with the division truncating toward
// zero, as the integer formula defines it.
KESTREL_KERNEL_BODY std::uint32_t mixChannel(std::uint32_t d, std::uint32_t s, std::int32_t w) {
  const std::int32_t diff = static_cast<std::int32_t>(s) - static_cast<std::int32_t>(d);
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(d) + diff * w / 256);
}

KESTREL_KERNEL_BODY void blendBody(Colour* __restrict out, const Colour* __restrict in, int count, unsigned weight) {
  const auto w = static_cast<std::int32_t>(weight);
  for (int i = 0; i < count; ++i) {
    const Colour s = in[i];
    const Colour d = out[i];
    const Colour mixed = (d & 0xFF000000u) | (mixChannel((d >> 16) & 0xFFu, (s >> 16) & 0xFFu, w) << 16) |
                         (mixChannel((d >> 8) & 0xFFu, (s >> 8) & 0xFFu, w) << 8) |
                         mixChannel(d & 0xFFu, s & 0xFFu, w);
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
#endif

struct Variants {
  std::array<BlitKernels, 3> list{};
  std::size_t count = 0;
  Variants() {
    list[count++] = {"baseline", keyBaseline, blendBaseline};
#ifdef KESTREL_HAVE_X86_VARIANTS
    __builtin_cpu_init();
    if (__builtin_cpu_supports("sse4.2")) list[count++] = {"sse4.2", keySse4, blendSse4};
    if (__builtin_cpu_supports("avx2")) list[count++] = {"avx2", keyAvx2, blendAvx2};
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
