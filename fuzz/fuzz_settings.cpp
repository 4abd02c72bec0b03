// settings.dat: any bytes parse, and what is written reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shooter/shell/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const shooter::Settings s = shooter::parseSettings(std::string(reinterpret_cast<const char*>(data), size));
  const shooter::Settings back = shooter::parseSettings(shooter::formatSettings(s));
  if (back.resolution != s.resolution || back.fullScreen != s.fullScreen || back.volume != s.volume ||
      back.desiredFps != s.desiredFps || back.collisionType != s.collisionType || back.collisionRate != s.collisionRate) {
    std::abort();
  }
  return 0;
}
