// The WAV codings of the sound-device tests.
#include "wav_variants.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace platform_test {

namespace {

void put16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFFu));
  out.push_back(static_cast<char>((v >> 8) & 0xFFu));
}
void put32(std::string& out, std::uint32_t v) {
  put16(out, v & 0xFFFFu);
  put16(out, v >> 16);
}
std::uint32_t get32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + static_cast<std::size_t>(i)]);
  return v;
}
std::uint16_t get16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8);
}

struct Format {
  std::uint16_t tag;
  std::uint32_t byteRate;
  std::uint16_t blockAlign;
  std::uint16_t bits;
  std::string extra;  // after the 16 common bytes, with its size word
};

std::string riff(int rate, const Format& f, const std::string& data, const std::string& fact = "") {
  std::string fmt;
  put16(fmt, f.tag);
  put16(fmt, 1);
  put32(fmt, static_cast<std::uint32_t>(rate));
  put32(fmt, f.byteRate);
  put16(fmt, f.blockAlign);
  put16(fmt, f.bits);
  fmt += f.extra;
  std::string body = "WAVEfmt ";
  put32(body, static_cast<std::uint32_t>(fmt.size()));
  body += fmt;
  if (!fact.empty()) {
    body += "fact";
    put32(body, static_cast<std::uint32_t>(fact.size()));
    body += fact;
  }
  body += "data";
  put32(body, static_cast<std::uint32_t>(data.size()));
  body += data;
  if (data.size() % 2 != 0) body.push_back('\0');
  std::string file = "RIFF";
  put32(file, static_cast<std::uint32_t>(body.size()));
  return file + body;
}

// G.711 µ-law: sign, a 3-bit segment and a 4-bit step, all inverted.
std::uint8_t muLaw(std::int16_t sample) {
  constexpr int kBias = 0x84;
  int value = sample;
  const int sign = value < 0 ? 0x80 : 0;
  value = std::min(std::abs(value), 32635) + kBias;
  int segment = 7;
  for (int mask = 0x4000; (value & mask) == 0 && segment > 0; mask >>= 1) --segment;
  const int step = (value >> (segment + 3)) & 0x0F;
  return static_cast<std::uint8_t>(~(sign | (segment << 4) | step));
}

// G.711 A-law: sign, segment and step, every other bit inverted.
std::uint8_t aLaw(std::int16_t sample) {
  int value = sample;
  const int sign = value >= 0 ? 0x80 : 0;
  value = std::min(std::abs(value), 32767) >> 3;
  int code = 0;
  if (value < 32) {
    code = value >> 1;
  } else {
    int segment = 1;
    while (value >= (64 << (segment - 1)) && segment < 7) ++segment;
    code = (segment << 4) | ((value >> segment) & 0x0F);
  }
  return static_cast<std::uint8_t>((sign | code) ^ 0x55);
}

constexpr std::array<int, 89> kImaSteps{
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
    130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
    544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
    2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
    9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr std::array<int, 16> kImaIndexSteps{-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

struct ImaState {
  int predictor = 0;
  int index = 0;

  // Encodes one sample and moves on exactly as the decoder will.
  std::uint8_t encode(int sample) {
    const int step = kImaSteps[static_cast<std::size_t>(index)];
    int diff = sample - predictor;
    std::uint8_t nibble = 0;
    if (diff < 0) {
      nibble = 8;
      diff = -diff;
    }
    int delta = step >> 3;
    if (diff >= step) { nibble |= 4; diff -= step; delta += step; }
    if (diff >= step >> 1) { nibble |= 2; diff -= step >> 1; delta += step >> 1; }
    if (diff >= step >> 2) { nibble |= 1; delta += step >> 2; }
    predictor = std::clamp(predictor + ((nibble & 8) ? -delta : delta), -32768, 32767);
    index = std::clamp(index + kImaIndexSteps[nibble], 0, 88);
    return nibble;
  }
};

constexpr std::size_t kImaBlockBytes = 256;
constexpr std::size_t kImaBlockSamples = 1 + (kImaBlockBytes - 4) * 2;  // 505

}  // namespace

std::optional<Pcm16> readPcm16Mono(const std::string& b) {
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return std::nullopt;
  Pcm16 pcm;
  bool mono16 = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = get32(b, at + 4);
    const std::size_t body = at + 8;
    if (size > b.size() - body) return std::nullopt;
    if (b.compare(at, 4, "fmt ") == 0 && size >= 16) {
      mono16 = get16(b, body) == 1 && get16(b, body + 2) == 1 && get16(b, body + 14) == 16;
      pcm.rate = static_cast<int>(get32(b, body + 4));
    } else if (b.compare(at, 4, "data") == 0) {
      if (!mono16) return std::nullopt;
      for (std::size_t i = 0; i + 1 < size; i += 2) pcm.samples.push_back(static_cast<std::int16_t>(get16(b, body + i)));
      return pcm;
    }
    at = body + size + (size & 1u);
  }
  return std::nullopt;
}

std::string encodeMuLaw(const Pcm16& pcm) {
  std::string data;
  for (std::int16_t s : pcm.samples) data.push_back(static_cast<char>(muLaw(s)));
  const auto rate = static_cast<std::uint32_t>(pcm.rate);
  std::string extra;
  put16(extra, 0);
  return riff(pcm.rate, Format{7, rate, 1, 8, extra}, data);
}

std::string encodeALaw(const Pcm16& pcm) {
  std::string data;
  for (std::int16_t s : pcm.samples) data.push_back(static_cast<char>(aLaw(s)));
  const auto rate = static_cast<std::uint32_t>(pcm.rate);
  std::string extra;
  put16(extra, 0);
  return riff(pcm.rate, Format{6, rate, 1, 8, extra}, data);
}

std::string encodeImaAdpcm(const Pcm16& pcm) {
  std::string data;
  ImaState state;
  for (std::size_t first = 0; first < pcm.samples.size(); first += kImaBlockSamples) {
    const auto sample = [&](std::size_t i) { return i < pcm.samples.size() ? int{pcm.samples[i]} : 0; };
    // Each block starts from its first sample, given whole.
    state.predictor = sample(first);
    put16(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(state.predictor)));
    data.push_back(static_cast<char>(state.index));
    data.push_back('\0');
    for (std::size_t i = first + 1; i < first + kImaBlockSamples; i += 2) {
      const std::uint8_t low = state.encode(sample(i));
      const std::uint8_t high = state.encode(sample(i + 1));
      data.push_back(static_cast<char>(low | (high << 4)));
    }
  }
  const auto rate = static_cast<std::uint32_t>(pcm.rate);
  std::string extra;
  put16(extra, 2);
  put16(extra, kImaBlockSamples);
  std::string fact;
  put32(fact, static_cast<std::uint32_t>(pcm.samples.size()));
  const auto byteRate = static_cast<std::uint32_t>(rate * kImaBlockBytes / kImaBlockSamples);
  return riff(pcm.rate, Format{0x11, byteRate, kImaBlockBytes, 4, extra}, data, fact);
}

std::string encodeExtensible(const Pcm16& pcm) {
  std::string data;
  for (std::int16_t s : pcm.samples) put16(data, static_cast<std::uint16_t>(s));
  std::string extra;
  put16(extra, 22);
  put16(extra, 16);  // valid bits
  put32(extra, 4);   // front centre
  // KSDATAFORMAT_SUBTYPE_PCM
  constexpr std::array<std::uint8_t, 16> kPcmGuid{0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                                  0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
  for (std::uint8_t byte : kPcmGuid) extra.push_back(static_cast<char>(byte));
  const auto rate = static_cast<std::uint32_t>(pcm.rate);
  return riff(pcm.rate, Format{0xFFFE, rate * 2, 2, 16, extra}, data);
}

}  // namespace platform_test
