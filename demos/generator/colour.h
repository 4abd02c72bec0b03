// Colour arithmetic for the generator's drawing code.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/image.h"

namespace demo_gen {

inline constexpr platform::Colour kKey = 0xFFFF00FFu;  // magenta, where a picture is transparent

struct Rgb {
  double r = 0.0;  // 0..255
  double g = 0.0;
  double b = 0.0;
};

constexpr Rgb rgb(std::uint32_t hex) {
  return {static_cast<double>((hex >> 16) & 0xFFu), static_cast<double>((hex >> 8) & 0xFFu),
          static_cast<double>(hex & 0xFFu)};
}

inline Rgb mix(const Rgb& a, const Rgb& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Rgb scale(const Rgb& c, double k) { return {c.r * k, c.g * k, c.b * k}; }

// Opaque pixel value; channels are rounded and clamped. Pure magenta is
// nudged so that a drawn colour never reads as the transparent key.
inline platform::Colour pixel(const Rgb& c) {
  const auto channel = [](double v) {
    return static_cast<std::uint32_t>(std::clamp(v + 0.5, 0.0, 255.0));
  };
  std::uint32_t value = 0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
  if ((value & 0xFFFFFFu) == 0xFF00FFu) value -= 1;
  return value;
}

inline Rgb fromPixel(platform::Colour c) { return rgb(c & 0xFFFFFFu); }

}  // namespace demo_gen
