#include "sound_files.h"

#include <lame/lame.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <vector>

namespace testbench_test {

namespace {

std::vector<short> tone(int milliseconds) {
  const auto count = static_cast<std::size_t>(std::int64_t{kToneRate} * milliseconds / 1000);
  std::vector<short> samples(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kToneRate;
    samples[i] = static_cast<short>(8000.0 * std::sin(2.0 * std::numbers::pi * 440.0 * t));
  }
  return samples;
}

void put32(std::ofstream& out, std::uint32_t v) {
  const char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                     static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
  out.write(b, 4);
}

void put16(std::ofstream& out, std::uint16_t v) {
  const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
  out.write(b, 2);
}

}  // namespace

bool WriteToneWav(const std::string& path, int milliseconds) {
  const std::vector<short> samples = tone(milliseconds);
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  put32(out, 36 + dataBytes);
  out.write("WAVEfmt ", 8);
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, 1);  // mono
  put32(out, kToneRate);
  put32(out, kToneRate * 2);
  put16(out, 2);
  put16(out, 16);
  out.write("data", 4);
  put32(out, dataBytes);
  for (const short s : samples) put16(out, static_cast<std::uint16_t>(s));
  return static_cast<bool>(out);
}

bool WriteToneMp3(const std::string& path, int milliseconds) {
  std::vector<short> samples = tone(milliseconds);
  lame_global_flags* lame = lame_init();
  if (lame == nullptr) return false;
  lame_set_in_samplerate(lame, kToneRate);
  lame_set_out_samplerate(lame, kToneRate);
  lame_set_num_channels(lame, 1);
  lame_set_mode(lame, MONO);
  lame_set_brate(lame, 64);
  lame_set_bWriteVbrTag(lame, 1);  // the encoder-delay tag lets decoders trim exactly
  if (lame_init_params(lame) < 0) {
    lame_close(lame);
    return false;
  }
  std::vector<unsigned char> mp3(samples.size() * 5 / 4 + 7200 + 8192);
  int size = lame_encode_buffer(lame, samples.data(), samples.data(), static_cast<int>(samples.size()), mp3.data(),
                                static_cast<int>(mp3.size()));
  if (size >= 0) {
    const int tail = lame_encode_flush(lame, mp3.data() + size, static_cast<int>(mp3.size()) - size);
    size = tail < 0 ? tail : size + tail;
  }
  std::vector<unsigned char> tag(8192);
  const std::size_t tagSize = size >= 0 ? lame_get_lametag_frame(lame, tag.data(), tag.size()) : 0;
  lame_close(lame);
  if (size < 0) return false;
  // The tag frame takes the place of the first frame LAME reserved for it.
  for (std::size_t i = 0; i < tagSize && i < static_cast<std::size_t>(size); ++i) mp3[i] = tag[i];
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(mp3.data()), size);
  return static_cast<bool>(out);
}

}  // namespace testbench_test
