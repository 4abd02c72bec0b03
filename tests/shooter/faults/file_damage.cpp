// The shared file damages.
#include "file_damage.h"

#include <sstream>

namespace faults {

std::string firstLines(const std::string& good, std::size_t count) {
  std::vector<std::string> lines;
  std::istringstream in(good);
  for (std::string line; lines.size() < count && std::getline(in, line);) lines.push_back(line + "\n");
  while (!lines.empty() && lines.size() < count) lines.push_back(lines.back());
  std::string text;
  for (const auto& line : lines) text += line;
  return text;
}

std::string everyThirdByteNul(std::string bytes) {
  for (std::size_t i = 2; i < bytes.size(); i += 3) bytes[i] = '\0';
  return bytes;
}

void putLittleEndian32(std::string& bytes, std::size_t at, std::uint32_t value) {
  if (bytes.size() < at + 4) bytes.resize(at + 4, '\0');
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFFu);
}

std::string hugeSample(const std::string& good) {
  std::string bytes = good.substr(0, 44);
  putLittleEndian32(bytes, 4, 0xFFFFFFFFu);  // RIFF size
  putLittleEndian32(bytes, 16, 0xFFFFFFFFu);  // fmt size
  putLittleEndian32(bytes, 22, 0xFFFFFFFFu);  // channels, rate
  putLittleEndian32(bytes, 40, 0xFFFFFFFFu);  // data size
  return bytes + good.substr(44, 512);
}

std::vector<DamageKind> damagesFor(const Damage& overflow) {
  return {
      {"empty", [](const std::string&) { return std::string(); }},
      {"cut in half", [](const std::string& good) { return good.substr(0, good.size() / 2); }},
      {"cut after 30 bytes", [](const std::string& good) { return good.substr(0, 30); }},
      {"NUL bytes", everyThirdByteNul},
      {"21 lines", [](const std::string& good) { return firstLines(good, 21); }},
      {"5 lines", [](const std::string& good) { return firstLines(good, 5); }},
      {"numbers that overflow", overflow},
  };
}

}  // namespace faults
