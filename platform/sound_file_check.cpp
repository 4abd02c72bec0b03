// Sound files cut to their bytes before they reach a decoder.
#include "platform/sound_file_check.h"

#include "platform/text_file.h"

namespace platform {

namespace {

std::uint32_t le32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
void putLe32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

bool tagIs(const std::uint8_t* p, const char* tag) {
  return p[0] == static_cast<std::uint8_t>(tag[0]) && p[1] == static_cast<std::uint8_t>(tag[1]) &&
         p[2] == static_cast<std::uint8_t>(tag[2]) && p[3] == static_cast<std::uint8_t>(tag[3]);
}

// The output the decoded sound is estimated at: the highest rate a device is
// opened with, in the converter's float stereo frames.
constexpr std::uint64_t kEstimateRate = 48000;
constexpr std::uint64_t kEstimateFrameBytes = 8;
// No coding SDL decodes packs a sample into fewer bits (IMA and MS ADPCM).
constexpr std::uint64_t kFewestBitsPerSample = 4;

struct WavFormat {
  std::uint16_t channels = 0;
  std::uint32_t rate = 0;
  std::uint16_t bits = 0;
};

bool decodedSizeFits(const WavFormat& format, std::uint64_t dataBytes) {
  if (format.channels == 0 || format.rate == 0) return false;
  const std::uint64_t bits = format.bits < kFewestBitsPerSample ? kFewestBitsPerSample : format.bits;
  const std::uint64_t frames = dataBytes * 8 / (bits * format.channels);
  const std::uint64_t outputFrames = frames * kEstimateRate / format.rate + 1;
  return outputFrames <= kMaxDecodedSoundBytes / kEstimateFrameBytes;
}

}  // namespace

SoundKind soundKindOf(const std::uint8_t* data, std::size_t size) {
  if (size >= 12 && tagIs(data, "RIFF") && tagIs(data + 8, "WAVE")) return SoundKind::Wav;
  if (size >= 4 && tagIs(data, "OggS")) return SoundKind::Ogg;
  if (size >= 3 && data[0] == 'I' && data[1] == 'D' && data[2] == '3') return SoundKind::Mp3;
  if (size >= 2 && data[0] == 0xFF && (data[1] & 0xE0u) == 0xE0u) return SoundKind::Mp3;
  return SoundKind::Unknown;
}

bool fitWavToItsBytes(std::vector<std::uint8_t>& bytes) {
  const std::size_t size = bytes.size();
  std::uint8_t* data = bytes.data();
  if (soundKindOf(data, size) != SoundKind::Wav) return false;
  if (le32(data + 4) > size - 8) putLe32(data + 4, static_cast<std::uint32_t>(size - 8));
  std::optional<WavFormat> format;
  std::optional<std::uint64_t> dataBytes;
  std::size_t pos = 12;
  while (pos + 8 <= size) {
    const std::size_t body = pos + 8;
    std::uint32_t chunkSize = le32(data + pos + 4);
    if (chunkSize > size - body) {
      chunkSize = static_cast<std::uint32_t>(size - body);
      putLe32(data + pos + 4, chunkSize);
    }
    if (tagIs(data + pos, "fmt ") && !format) {
      if (chunkSize < 16) return false;
      format = WavFormat{le16(data + body + 2), le32(data + body + 4), le16(data + body + 14)};
    } else if (tagIs(data + pos, "data") && !dataBytes) {
      dataBytes = chunkSize;
    }
    pos = body + chunkSize + (chunkSize & 1u);
  }
  return format && dataBytes && decodedSizeFits(*format, *dataBytes);
}

bool prepareSoundForDecoding(std::vector<std::uint8_t>& bytes) {
  switch (soundKindOf(bytes.data(), bytes.size())) {
    case SoundKind::Wav: return fitWavToItsBytes(bytes);
    case SoundKind::Mp3:
    case SoundKind::Ogg: return true;
    case SoundKind::Unknown: break;
  }
  return false;
}

std::optional<std::vector<std::uint8_t>> readSoundForDecoding(const std::string& path) {
  const auto text = readWholeFile(path);
  if (!text) return std::nullopt;
  std::vector<std::uint8_t> bytes(text->begin(), text->end());
  if (!prepareSoundForDecoding(bytes)) return std::nullopt;
  return bytes;
}

bool soundFileLooksSound(const std::string& path) { return readSoundForDecoding(path).has_value(); }

bool wavLooksSound(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr) return false;
  std::vector<std::uint8_t> copy(data, data + size);
  return fitWavToItsBytes(copy);
}

bool mp3LooksSound(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return false;
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

}  // namespace platform
