#include "gen_kit/wav16.h"

#include <string_view>

#include "platform/little_endian.h"

namespace gen_kit {

namespace {
void putTag(std::vector<std::uint8_t>& out, std::string_view tag) { out.insert(out.end(), tag.begin(), tag.end()); }
}  // namespace

std::vector<std::uint8_t> encodeWav16(std::span<const std::int16_t> mono, std::uint32_t sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(mono.size() * 2u);
  std::vector<std::uint8_t> out;
  out.reserve(44u + dataBytes);
  putTag(out, "RIFF");
  platform::appendLe32(out, 36u + dataBytes);
  putTag(out, "WAVE");
  putTag(out, "fmt ");
  platform::appendLe32(out, 16);
  platform::appendLe16(out, 1);  // PCM
  platform::appendLe16(out, 1);  // mono
  platform::appendLe32(out, sampleRate);
  platform::appendLe32(out, sampleRate * 2u);  // bytes per second
  platform::appendLe16(out, 2);                // bytes per frame
  platform::appendLe16(out, 16);
  putTag(out, "data");
  platform::appendLe32(out, dataBytes);
  for (const std::int16_t s : mono) platform::appendLe16(out, static_cast<std::uint16_t>(s));
  return out;
}

}  // namespace gen_kit
