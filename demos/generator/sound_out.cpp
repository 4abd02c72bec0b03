#include "demos/generator/sound_out.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>

#include "gen_kit/synth.h"
#include "gen_kit/wav16.h"

namespace demo_gen {

namespace {

// Runs LAME over the 16-bit samples of one or two channels.
std::vector<std::uint8_t> encode(const std::vector<short>& left, const std::vector<short>* right, int kbps) {
  lame_global_flags* lame = lame_init();
  if (lame == nullptr) return {};
  const int channels = right != nullptr ? 2 : 1;
  lame_set_in_samplerate(lame, kSampleRate);
  lame_set_out_samplerate(lame, kSampleRate);
  lame_set_num_channels(lame, channels);
  lame_set_mode(lame, channels == 2 ? JOINT_STEREO : MONO);
  lame_set_brate(lame, kbps);
  lame_set_quality(lame, 2);
  lame_set_bWriteVbrTag(lame, 1);  // the tag frame tells decoders the exact length
  if (lame_init_params(lame) < 0) {
    lame_close(lame);
    return {};
  }
  const std::size_t count = left.size();
  std::vector<std::uint8_t> mp3(count * 5 / 4 + 7200 + 16384);
  // LAME takes non-const buffers it does not write.
  std::vector<short> l = left;
  std::vector<short> r = right != nullptr ? *right : left;
  int size = lame_encode_buffer(lame, l.data(), r.data(), static_cast<int>(count), mp3.data(),
                                static_cast<int>(mp3.size()));
  if (size >= 0) {
    const int tail = lame_encode_flush(lame, mp3.data() + size, static_cast<int>(mp3.size()) - size);
    size = tail < 0 ? tail : size + tail;
  }
  std::vector<std::uint8_t> tag(16384);
  const std::size_t tagSize = size >= 0 ? lame_get_lametag_frame(lame, tag.data(), tag.size()) : 0;
  lame_close(lame);
  if (size < 0) return {};
  mp3.resize(static_cast<std::size_t>(size));
  // The tag frame takes the place of the first frame LAME kept free for it.
  std::copy_n(tag.begin(), std::min(tagSize, mp3.size()), mp3.begin());
  return mp3;
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const Samples& mono) {
  return gen_kit::encodeWav16(gen_kit::toPcm16(mono), static_cast<std::uint32_t>(kSampleRate));
}

std::vector<std::uint8_t> encodeMp3(const Samples& mono, int kilobitsPerSecond) {
  return encode(gen_kit::toPcm16(mono), nullptr, kilobitsPerSecond);
}

std::vector<std::uint8_t> encodeMp3(const Stereo& sound, int kilobitsPerSecond) {
  const std::vector<std::int16_t> right = gen_kit::toPcm16(sound.right);
  return encode(gen_kit::toPcm16(sound.left), &right, kilobitsPerSecond);
}

}  // namespace demo_gen
