// The ways files get damaged, shared by the fault tests of the program and
// the sound device's own: emptied, cut short, overwritten with NUL bytes,
// with lines added or lost, and with numbers too big for their fields.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace faults {

using Damage = std::function<std::string(const std::string& good)>;

struct DamageKind {
  const char* name;
  Damage make;
};

// The common damages, then `overflow`, the file kind's own "numbers that
// overflow".
std::vector<DamageKind> damagesFor(const Damage& overflow);

// The first `count` lines; a file with fewer gets its last line repeated.
std::string firstLines(const std::string& good, std::size_t count);
std::string everyThirdByteNul(std::string bytes);
void putLittleEndian32(std::string& bytes, std::size_t at, std::uint32_t value);

// A RIFF header whose chunk sizes, channel count and rate are all at their
// largest.
std::string hugeSample(const std::string& good);

}  // namespace faults
