// WAV and MP3 header checks.
#include "platform/sound_file_check.h"

#include <algorithm>
#include <cctype>

#include "platform/text_file.h"

namespace platform {

namespace {

std::uint32_t le32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

bool tagIs(const std::uint8_t* p, const char* tag) {
  return p[0] == static_cast<std::uint8_t>(tag[0]) && p[1] == static_cast<std::uint8_t>(tag[1]) &&
         p[2] == static_cast<std::uint8_t>(tag[2]) && p[3] == static_cast<std::uint8_t>(tag[3]);
}

constexpr std::size_t kMaxSoundBytes = 256u * 1024u * 1024u;

}  // namespace

bool wavLooksSound(const std::uint8_t* data, std::size_t size) {
  if (size < 12 || size > kMaxSoundBytes || !tagIs(data, "RIFF") || !tagIs(data + 8, "WAVE")) return false;
  // The declared RIFF size may run one pad byte past the file, no further.
  if (le32(data + 4) > size - 8 + 1) return false;
  bool haveFormat = false;
  std::size_t pos = 12;
  while (pos + 8 <= size) {
    const std::uint32_t chunkSize = le32(data + pos + 4);
    const std::size_t body = pos + 8;
    if (chunkSize > size - body) return false;
    if (tagIs(data + pos, "fmt ")) {
      if (chunkSize < 16) return false;
      const std::uint16_t format = le16(data + body);
      const std::uint16_t channels = le16(data + body + 2);
      const std::uint32_t rate = le32(data + body + 4);
      const std::uint16_t blockAlign = le16(data + body + 12);
      const std::uint16_t bits = le16(data + body + 14);
      if (format != 1 && format != 3) return false;
      if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000) return false;
      if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
      if (blockAlign != channels * (bits / 8)) return false;
      haveFormat = true;
    } else if (tagIs(data + pos, "data")) {
      return haveFormat;
    }
    pos = body + chunkSize + (chunkSize & 1u);
  }
  return false;
}

bool mp3LooksSound(const std::uint8_t* data, std::size_t size) {
  if (size < 4 || size > kMaxSoundBytes) return false;
  std::size_t pos = 0;
  if (size >= 10 && data[0] == 'I' && data[1] == 'D' && data[2] == '3') {
    // The tag size is four 7-bit bytes.
    for (int i = 6; i < 10; ++i) {
      if (data[i] & 0x80u) return false;
    }
    const std::size_t tag = (static_cast<std::size_t>(data[6]) << 21) | (static_cast<std::size_t>(data[7]) << 14) |
                            (static_cast<std::size_t>(data[8]) << 7) | data[9];
    pos = 10 + tag + ((data[5] & 0x10u) ? 10 : 0);
    if (pos + 4 > size) return false;
  }
  const std::uint8_t* h = data + pos;
  if (h[0] != 0xFF || (h[1] & 0xE0u) != 0xE0u) return false;  // frame sync
  const unsigned version = (h[1] >> 3) & 3u;                    // 1 is reserved
  const unsigned layer = (h[1] >> 1) & 3u;                      // 0 is reserved
  const unsigned bitrate = h[2] >> 4;                           // 15 is invalid
  const unsigned rate = (h[2] >> 2) & 3u;                       // 3 is reserved
  return version != 1 && layer != 0 && bitrate != 15 && rate != 3;
}

bool soundFileLooksSound(const std::string& path) {
  std::string extension = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const auto bytes = readWholeFile(path);
  if (!bytes) return false;
  const auto* p = reinterpret_cast<const std::uint8_t*>(bytes->data());
  if (extension == ".wav") return wavLooksSound(p, bytes->size());
  if (extension == ".mp3") return mp3LooksSound(p, bytes->size());
  return false;
}

}  // namespace platform
