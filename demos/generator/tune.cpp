#include "demos/generator/tune.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "demos/generator/tune_score.h"

namespace demo_gen {

namespace {

constexpr double kTau = 2.0 * std::numbers::pi;

std::size_t sampleAt(double seconds) { return static_cast<std::size_t>(std::lround(seconds * kSampleRate)); }

// ---- Instruments: each renders one hit or note as a mono voice. ----------

Samples kick() {
  Samples v(static_cast<std::size_t>(gen_kit::sampleCount(0.32, kSampleRate)));
  double phase = 0.0;
  gen_kit::Noise noise(11);
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    phase += (48.0 + 110.0 * std::exp(-t / 0.03)) / kSampleRate;
    v[i] = std::sin(kTau * phase) * std::exp(-t / 0.13) + 0.3 * noise.next() * std::exp(-t / 0.003);
  }
  return v;
}

Samples snare(bool accent) {
  Samples v(static_cast<std::size_t>(gen_kit::sampleCount(0.26, kSampleRate)));
  gen_kit::Noise noise(accent ? 23 : 29);
  gen_kit::StateVariableFilter filter;
  double phase = 0.0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    phase += 186.0 / kSampleRate;
    const double rattle = filter.step(noise.next(), 1900.0, 0.8, kSampleRate).band;
    v[i] = (0.55 * std::sin(kTau * phase) * std::exp(-t / 0.045) + 1.3 * rattle * std::exp(-t / 0.085)) *
           (accent ? 1.0 : 0.72);
  }
  return v;
}

Samples hat(bool open) {
  Samples v(static_cast<std::size_t>(gen_kit::sampleCount(open ? 0.3 : 0.06, kSampleRate)));
  gen_kit::Noise noise(open ? 31 : 37);
  gen_kit::StateVariableFilter filter;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    v[i] = filter.step(noise.next(), 7000.0, 0.7, kSampleRate).high * std::exp(-t / (open ? 0.12 : 0.018));
  }
  return v;
}

Samples crash() {
  Samples v(static_cast<std::size_t>(gen_kit::sampleCount(2.0, kSampleRate)));
  gen_kit::Noise noise(41);
  gen_kit::StateVariableFilter filter;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    v[i] = filter.step(noise.next(), 5200.0, 0.6, kSampleRate).high * std::exp(-t / 0.7) * std::min(1.0, t / 0.002);
  }
  return v;
}

Samples bass(int note, double seconds) {
  Samples v(static_cast<std::size_t>(gen_kit::sampleCount(seconds + 0.05, kSampleRate)));
  const double f = gen_kit::noteFrequency(note);
  gen_kit::StateVariableFilter filter;
  double phase = 0.0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    phase += f / kSampleRate;
    const double raw = 0.7 * gen_kit::sawWave(phase, f / kSampleRate) + 0.5 * gen_kit::squareWave(phase * 0.5, f * 0.5 / kSampleRate);
    const double cutoff = 260.0 + 1500.0 * std::exp(-t / 0.07);
    const double low = filter.step(raw, cutoff, 1.4, kSampleRate).low;
    v[i] = std::tanh(1.6 * low) * gen_kit::adsr(t, seconds, 0.004, 0.12, 0.75, 0.04);
  }
  return v;
}

// One pad note, its two detuned voices spread left and right.
Stereo padNote(int note, double seconds) {
  const std::size_t n = static_cast<std::size_t>(gen_kit::sampleCount(seconds + 0.5, kSampleRate));
  Stereo v{Samples(n), Samples(n)};
  const double f = gen_kit::noteFrequency(note);
  const double spread = std::pow(2.0, 7.0 / 1200.0);
  gen_kit::StateVariableFilter left;
  gen_kit::StateVariableFilter right;
  double pl = 0.0;
  double pr = 0.3;
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    pl += f * spread / kSampleRate;
    pr += f / spread / kSampleRate;
    const double level = gen_kit::adsr(t, seconds, 0.3, 0.4, 0.8, 0.45);
    const double cutoff = 900.0 + 500.0 * std::sin(kTau * 0.25 * t);
    v.left[i] = left.step(gen_kit::sawWave(pl, f / kSampleRate), cutoff, 0.9, kSampleRate).low * level;
    v.right[i] = right.step(gen_kit::sawWave(pr, f / kSampleRate), cutoff, 0.9, kSampleRate).low * level;
  }
  return v;
}

Samples lead(int note, double seconds) {
  Samples v(static_cast<std::size_t>(gen_kit::sampleCount(seconds + 0.15, kSampleRate)));
  const double f = gen_kit::noteFrequency(note);
  gen_kit::StateVariableFilter filter;
  double phase = 0.0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    // Vibrato joins in once the note has sounded a little while.
    const double depth = std::clamp((t - 0.18) / 0.25, 0.0, 1.0) * 0.25;
    const double pitch = f * std::pow(2.0, depth * std::sin(kTau * 5.6 * t) / 12.0);
    phase += pitch / kSampleRate;
    const double raw = 0.6 * gen_kit::sawWave(phase, pitch / kSampleRate) + 0.4 * gen_kit::squareWave(phase, pitch / kSampleRate);
    const double cutoff = 1800.0 + 2200.0 * std::exp(-t / 0.12);
    v[i] = filter.step(raw, cutoff, 1.1, kSampleRate).low * gen_kit::adsr(t, seconds, 0.008, 0.2, 0.78, 0.12);
  }
  return v;
}

Samples pluck(int note) {
  Samples v(static_cast<std::size_t>(gen_kit::sampleCount(0.2, kSampleRate)));
  const double f = gen_kit::noteFrequency(note);
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    v[i] = (std::sin(kTau * f * t) + 0.35 * std::sin(kTau * 2.0 * f * t)) * std::exp(-t / 0.06) *
           std::min(1.0, t / 0.002);
  }
  return v;
}

// ---- Arrangement -----------------------------------------------------------

struct Mix {
  Stereo main;
  Samples reverbSend;
  Stereo echo;  // the lead's echo, fed back on itself

  void add(const Samples& voice, std::size_t at, double gain, double pan) {
    gen_kit::mixInto(main.left, voice, at, gain * std::sqrt(1.0 - pan));
    gen_kit::mixInto(main.right, voice, at, gain * std::sqrt(pan));
  }
};

const score::Chord& chordNamed(std::string_view name) {
  for (const score::Chord& c : score::kChords) {
    if (c.name == name) return c;
  }
  return score::kChords.front();
}

bool hit(std::string_view line, int step) { return step < static_cast<int>(line.size()) && line[static_cast<std::size_t>(step)] != '.'; }

void drums(Mix& mix, const score::DrumBar& bar, double barStart) {
  static const Samples kKick = kick();
  static const Samples kSnare = snare(false);
  static const Samples kAccent = snare(true);
  static const Samples kHat = hat(false);
  static const Samples kOpenHat = hat(true);
  static const Samples kCrash = crash();
  const double step = sixteenthSeconds();
  if (bar.crash) mix.add(kCrash, sampleAt(barStart), 0.22, 0.65);
  for (int s = 0; s < 16; ++s) {
    const std::size_t at = sampleAt(barStart + s * step);
    if (hit(bar.kick, s)) mix.add(kKick, at, 0.95, 0.5);
    if (hit(bar.snare, s)) mix.add(bar.snare[static_cast<std::size_t>(s)] == 'o' ? kAccent : kSnare, at, 0.5, 0.47);
    if (hit(bar.hat, s)) mix.add(kHat, at, s % 4 == 2 ? 0.2 : 0.13, 0.38);
    if (hit(bar.openHat, s)) mix.add(kOpenHat, at, 0.14, 0.38);
  }
}

// Intro: the root on every beat. Elsewhere a driving line of eighths.
void bassLine(Mix& mix, const score::Bar& bar, double barStart) {
  const int root = chordNamed(bar.chord).bass;
  const double step = sixteenthSeconds();
  constexpr auto kDrive = std::to_array<int>({0, 0, 12, 0, 0, 12, 7, 12});
  static_assert(kDrive.size() == 8);
  if (bar.section == score::Section::Intro) {
    for (int beat = 0; beat < 4; ++beat) mix.add(bass(root, step * 3.0), sampleAt(barStart + beat * 4 * step), 0.42, 0.5);
    return;
  }
  for (std::size_t e = 0; e < kDrive.size(); ++e) {
    mix.add(bass(root + kDrive[e], step * 1.7), sampleAt(barStart + static_cast<double>(e) * 2.0 * step), 0.42, 0.5);
  }
}

void pad(Mix& mix, const score::Bar& bar, double barStart) {
  const double seconds = 16.0 * sixteenthSeconds();
  for (const int note : chordNamed(bar.chord).pad) {
    const Stereo v = padNote(note, seconds * 0.96);
    const std::size_t at = sampleAt(barStart);
    gen_kit::mixInto(mix.main.left, v.left, at, 0.09);
    gen_kit::mixInto(mix.main.right, v.right, at, 0.09);
    gen_kit::mixInto(mix.reverbSend, v.left, at, 0.05);
  }
}

void melody(Mix& mix, const score::Bar& bar, double barStart) {
  std::vector<MelodyNote> notes;
  std::string error;
  if (bar.melody.empty() || !parseMelodyBar(bar.melody, notes, error)) return;
  const double step = sixteenthSeconds();
  for (const MelodyNote& n : notes) {
    if (n.note < 0) continue;
    const Samples v = lead(n.note, n.length * step * 0.92);
    const std::size_t at = sampleAt(barStart + n.start * step);
    mix.add(v, at, 0.3, 0.56);
    gen_kit::mixInto(mix.reverbSend, v, at, 0.08);
    gen_kit::mixInto(mix.echo.left, v, at + sampleAt(3.0 * step), 0.11);
    gen_kit::mixInto(mix.echo.right, v, at + sampleAt(6.0 * step), 0.07);
  }
}

void arpeggio(Mix& mix, const score::Bar& bar, double barStart) {
  if (bar.section != score::Section::Bridge) return;
  const auto& tones = chordNamed(bar.chord).pad;
  constexpr auto kOrder = std::to_array<int>({0, 1, 2, 1});
  static_assert(kOrder.size() == 4);
  for (int s = 0; s < 16; ++s) {
    const int note = tones[static_cast<std::size_t>(kOrder[static_cast<std::size_t>(s % 4)])] + 12 + (s >= 8 ? 12 : 0);
    mix.add(pluck(note), sampleAt(barStart + s * sixteenthSeconds()), 0.1, s % 2 == 0 ? 0.3 : 0.7);
  }
}

}  // namespace

int noteNumber(std::string_view name) {
  if (name.size() < 2) return -1;
  constexpr auto kSteps = std::to_array<int>({9, 11, 0, 2, 4, 5, 7});  // A B C D E F G
  static_assert(kSteps.size() == 7);
  const char letter = name[0];
  if (letter < 'A' || letter > 'G') return -1;
  int note = kSteps[static_cast<std::size_t>(letter - 'A')];
  std::size_t i = 1;
  if (name[i] == '#') {
    ++note;
    ++i;
  } else if (name[i] == 'b') {
    --note;
    ++i;
  }
  if (i + 1 != name.size() || name[i] < '0' || name[i] > '9') return -1;
  return note + (name[i] - '0' + 1) * 12;
}

bool parseMelodyBar(std::string_view text, std::vector<MelodyNote>& notes, std::string& error) {
  notes.clear();
  int at = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos >= text.size()) break;
    std::size_t end = text.find(' ', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view token = text.substr(pos, end - pos);
    pos = end;
    const std::size_t colon = token.find(':');
    if (colon == std::string_view::npos) {
      error = "no length in \"" + std::string(token) + "\"";
      return false;
    }
    const std::string_view name = token.substr(0, colon);
    const std::string_view length = token.substr(colon + 1);
    int sixteenths = 0;
    for (const char c : length) {
      if (c < '0' || c > '9') {
        error = "bad length in \"" + std::string(token) + "\"";
        return false;
      }
      sixteenths = sixteenths * 10 + (c - '0');
    }
    const int note = name == "-" ? -1 : noteNumber(name);
    if (name != "-" && note < 0) {
      error = "bad note in \"" + std::string(token) + "\"";
      return false;
    }
    if (sixteenths <= 0 || length.empty()) {
      error = "empty length in \"" + std::string(token) + "\"";
      return false;
    }
    notes.push_back({at, sixteenths, note});
    at += sixteenths;
  }
  if (at != 16) {
    error = "the bar lasts " + std::to_string(at) + " sixteenths, not 16";
    return false;
  }
  return true;
}

double sixteenthSeconds() { return 60.0 / score::kBeatsPerMinute / 4.0; }

std::string checkScore() {
  for (std::size_t b = 0; b < score::kBarsOfTune.size(); ++b) {
    const score::Bar& bar = score::kBarsOfTune[b];
    bool known = false;
    for (const score::Chord& c : score::kChords) known = known || c.name == bar.chord;
    if (!known) return "bar " + std::to_string(b + 1) + ": unknown chord " + std::string(bar.chord);
    if (bar.drums < 0 || bar.drums >= static_cast<int>(score::kDrumBars.size())) {
      return "bar " + std::to_string(b + 1) + ": no drum bar " + std::to_string(bar.drums);
    }
    std::vector<MelodyNote> notes;
    std::string error;
    if (!bar.melody.empty() && !parseMelodyBar(bar.melody, notes, error)) {
      return "bar " + std::to_string(b + 1) + ": " + error;
    }
  }
  for (const score::DrumBar& d : score::kDrumBars) {
    for (const std::string_view line : {d.kick, d.snare, d.hat, d.openHat}) {
      if (line.size() != 16) return "a drum line is not 16 steps long: " + std::string(line);
    }
  }
  return "";
}

Stereo tune() {
  Mix mix;
  const double barSeconds = 16.0 * sixteenthSeconds();
  for (std::size_t b = 0; b < score::kBarsOfTune.size(); ++b) {
    const score::Bar& bar = score::kBarsOfTune[b];
    const double start = static_cast<double>(b) * barSeconds;
    drums(mix, score::kDrumBars[static_cast<std::size_t>(bar.drums)], start);
    bassLine(mix, bar, start);
    pad(mix, bar, start);
    melody(mix, bar, start);
    arpeggio(mix, bar, start);
  }
  // The echo repeats itself, fading, three steps apart on each side.
  const std::size_t repeat = sampleAt(6.0 * sixteenthSeconds());
  for (Samples* side : {&mix.echo.left, &mix.echo.right}) {
    for (std::size_t i = repeat; i < side->size(); ++i) (*side)[i] += 0.35 * (*side)[i - repeat];
  }
  const Samples wet = gen_kit::reverb(mix.reverbSend, 0.84, 0.4, kSampleRate);

  const std::size_t length = sampleAt(static_cast<double>(score::kBars) * barSeconds);
  Stereo out{Samples(length, 0.0), Samples(length, 0.0)};
  const auto at = [](const Samples& s, std::size_t i) { return i < s.size() ? s[i] : 0.0; };
  const std::size_t fade = sampleAt(0.03);
  for (std::size_t i = 0; i < length; ++i) {
    const double ending = i + fade > length ? static_cast<double>(length - i) / static_cast<double>(fade) : 1.0;
    const double l = at(mix.main.left, i) + at(mix.echo.left, i) + 0.5 * at(wet, i);
    const double r = at(mix.main.right, i) + at(mix.echo.right, i) + 0.5 * at(wet, i);
    out.left[i] = std::tanh(1.2 * l) * ending;
    out.right[i] = std::tanh(1.2 * r) * ending;
  }
  gen_kit::normalisePeak(out, 0.89);
  return out;
}

}  // namespace demo_gen
