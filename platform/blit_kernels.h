// The row kernels behind drawImage: opaque copy, magenta-keyed copy and
// constant-opacity blend. Each comes in a baseline build for any x86-64 and,
// where the compiler supports it, SSE4.2, AVX2 and AVX-512 builds of the same
// source; the fastest one the CPU has is picked once at start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/image.h"

namespace platform {

struct BlitKernels {
  const char* name;
  // Skips magenta; writes red, green and blue with alpha 0.
  void (*keyRow)(Colour* out, const Colour* in, int count);
  // Skips magenta; weight = opacity + 1 (1..256).
  void (*blendRow)(Colour* out, const Colour* in, int count, unsigned weight);
  // The same over a rectangle of `width` x `height` pixels, rows `outStride`
  // and `inStride` pixels apart. drawImage calls these once per blit, so a
  // small sprite pays for one indirect call rather than one per row.
  void (*keyRect)(Colour* out, std::ptrdiff_t outStride, const Colour* in, std::ptrdiff_t inStride, int width,
                  int height);
  void (*blendRect)(Colour* out, std::ptrdiff_t outStride, const Colour* in, std::ptrdiff_t inStride, int width,
                    int height, unsigned weight);
};

// Every variant this CPU can run, baseline first.
std::span<const BlitKernels> availableBlitKernels();
// The variant drawImage uses (the last of availableBlitKernels()).
const BlitKernels& activeBlitKernels();

// Plain reference loops, the definition every variant must match bit for bit.
void referenceKeyRow(Colour* out, const Colour* in, int count);
void referenceBlendRow(Colour* out, const Colour* in, int count, unsigned weight);

}  // namespace platform
