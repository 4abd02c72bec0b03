// Soak run of `shooter`: many minutes of game time on the headless backend
// with random but seeded input that reacts to the screen it is on (moves,
// fire, pause and resume, keypad plus, menus, options, name entry), never
// choosing to quit. At the end it checks the live heap grew less than the
// limit between minute 1 and the end, and that settings.dat and
// high_scores.dat are whole.
//
//   shooter_soak [GAME_MINUTES] [SEED]
#include <cstdint>
#include <cstdio>

#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <random>
#include <string>
#include <vector>

#include "platform/backends/headless/headless_backend.h"
#include "platform/key_codes.h"
#include "platform/platform.h"
#include "platform/run_options.h"
#include "platform/text_file.h"
#include "shooter/game/game_state.h"
#include "shooter/resources/sound_bank.h"
#include "shooter/shell/high_scores.h"
#include "shooter/shell/program.h"
#include "shooter/shell/settings.h"
#include "shooter/shell/shell_state.h"
#include "tests/support/headless_access.h"
#include "platform/system.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTREL_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KESTREL_ASAN 1
#endif
#ifdef KESTREL_ASAN
// Part of the sanitizer runtime of both GCC and clang; GCC ships no header
// that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace fs = std::filesystem;
using namespace shooter;
namespace key = platform::key;

namespace {

constexpr double kGrowthLimitBytes = 5.0 * 1024 * 1024;

std::size_t liveHeapBytes() {
#ifdef KESTREL_ASAN
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

class Player {
 public:
  explicit Player(std::uint32_t seed) : rng_(seed) {}

  // Called every frame; changes the held keys now and then.
  // Keys are let go as soon as the screen changes, as a person would: an Esc
  // that left the high scores must not stay down on the main menu, where it
  // ends the program.
  void act(platform::HeadlessBackend& pad) {
    if (shell.frameClock.now < nextDecision_ && shell.screenState == decidedFor_) return;
    for (const int k : held_) pad.releaseKey(k);
    held_.clear();
    decidedFor_ = shell.screenState;
    nextDecision_ = shell.frameClock.now + pick(0.05, 0.6);
    switch (shell.screenState) {
      case ScreenState::MainMenu: menu(); break;
      case ScreenState::Instructions: hold(key::Enter); break;
      case ScreenState::Options: options(); break;
      case ScreenState::Credits:
      case ScreenState::HighScores: hold(chance(0.5) ? key::Enter : key::Esc); break;
      case ScreenState::Playing: play(); break;
      case ScreenState::Paused: hold(chance(0.7) ? key::Esc : (shell.menuCursor == 0 ? key::Enter : key::Up)); break;
      case ScreenState::NameEntry: name(); break;
      default: break;
    }
    for (const int k : held_) pad.pressKey(k);
  }

 private:
  double pick(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
  bool chance(double p) { return pick(0.0, 1.0) < p; }
  void hold(int k) { held_.push_back(k); }

  void menu() {
    // Mostly start games; sometimes visit the other screens; never item 5.
    const int target = chance(0.8) ? 0 : 1 + static_cast<int>(pick(0.0, 3.0));
    if (shell.menuCursor == target) {
      hold(key::Enter);
    } else {
      hold(shell.menuCursor > target ? key::Up : key::Down);
    }
    nextDecision_ = shell.frameClock.now + 0.2;
  }
  void options() {
    if (chance(0.15)) {
      const int finish = chance(0.5) ? 6 : 7;  // ACCEPT or CANCEL
      hold(shell.menuCursor == finish ? key::Enter : key::Down);
    } else if (chance(0.1)) {
      hold(key::Esc);
    } else {
      hold(chance(0.5) ? key::Down : key::Enter);
    }
    nextDecision_ = shell.frameClock.now + 0.2;
  }
  void play() {
    if (chance(0.7)) hold(key::Space);
    if (chance(0.5)) hold(chance(0.5) ? key::Left : key::Right);
    if (chance(0.4)) hold(chance(0.5) ? key::Up : key::Down);
    if (chance(0.03)) hold(key::KpPlus);
    if (chance(0.02)) hold(key::Esc);
  }
  void name() {
    static constexpr int kLetters[] = {key::K, key::E, key::S, key::T, key::R, key::L, key::Digit1, key::Space};
    if (chance(0.25)) {
      hold(key::Enter);
    } else if (chance(0.2)) {
      hold(key::Backspace);
    } else {
      hold(kLetters[static_cast<std::size_t>(pick(0.0, 8.0)) % 8]);
    }
    nextDecision_ = shell.frameClock.now + 0.2;
  }

  std::mt19937 rng_;
  double nextDecision_ = 0.0;
  ScreenState decidedFor_ = ScreenState::Title;
  std::vector<int> held_;
};

bool wholeFile(const char* name, std::size_t lines) {
  const auto text = platform::readWholeFile(name);
  if (!text) return false;
  std::size_t crlf = 0;
  for (std::size_t i = 0; i + 1 < text->size(); ++i) crlf += (*text)[i] == '\r' && (*text)[i + 1] == '\n';
  return crlf == lines && text->size() >= 2 && text->substr(text->size() - 2) == "\r\n";
}

}  // namespace

int main(int argc, char** argv) {
  const double minutes = argc > 1 ? std::atof(argv[1]) : 30.0;
  const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1u);
  const auto runDir = platform::system::environmentVariable("KESTREL_RUN_DIR");
  // A folder of this run's own: two soaks at once (the normal and the
  // sanitizer build, or two checkouts) must not clear each other's files.
  const fs::path folder = fs::temp_directory_path() / ("kestrel-soak-" + std::to_string(seed) + "-" +
                                                        std::to_string(platform::system::processId()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const char* f : {"plik.bmp", "anim_data.dat", "settings.dat", "high_scores.dat", "aircraft008_mod.wav",
                        "battle029.wav", "battle004.wav", "battle003.wav", "Item2.wav"}) {
    std::error_code error;
    if (runDir) fs::copy_file(fs::path(*runDir) / f, folder / f, error);
  }
  if (!fs::exists(folder / "settings.dat")) {
    platform::TextFileWriter w;
    for (const char* v : {"2", "0", "96", "50", "1", "20"}) w.writeLine(v);
    std::FILE* f = std::fopen((folder / "settings.dat").c_str(), "wb");
    std::fputs(w.text().c_str(), f);
    std::fclose(f);
  }
  if (!fs::exists(folder / "high_scores.dat")) {
    std::FILE* f = std::fopen((folder / "high_scores.dat").c_str(), "wb");
    for (int i = 1; i <= 10; ++i) std::fprintf(f, "ACE%d\r\n%d\r\n", i, 1100 - 100 * i);
    std::fclose(f);
  }
  fs::current_path(folder);
  platform::system::setEnvironmentDefault("SDL_AUDIODRIVER", "dummy");

  platform::RunOptions options;
  options.programName = "shooter_soak";
  options.seed = seed;
  if (const auto failure = platform::initPlatform(std::make_unique<platform::HeadlessBackend>(), options)) {
    std::fprintf(stderr, "%s\n", failure->message.c_str());
    return failure->exitCode;
  }
  startUp("");
  auto& pad = platform::test_support::headlessBackend();
  Player player(seed);
  std::size_t heapAtMinuteOne = 0;
  std::uint64_t games = 0;
  ScreenState last = shell.screenState;
  const double end = minutes * 60.0;
  while (shell.running && shell.frameClock.now < end) {
    player.act(pad);
    mainLoopPass();
    if (heapAtMinuteOne == 0 && shell.frameClock.now >= 60.0) heapAtMinuteOne = liveHeapBytes();
    if (shell.screenState == ScreenState::Playing && last == ScreenState::Instructions) ++games;
    last = shell.screenState;
  }
  const std::size_t heapAtEnd = liveHeapBytes();
  const bool endedEarly = !shell.running;
  const double growth = static_cast<double>(heapAtEnd) - static_cast<double>(heapAtMinuteOne);
  const bool filesWhole = wholeFile("settings.dat", 6) && wholeFile("high_scores.dat", 20);
  std::printf("soak: seed=%u game_seconds=%.0f frames=%llu games=%llu heap_minute1=%zu heap_end=%zu growth=%.0f files=%s\n",
              seed, shell.frameClock.now, static_cast<unsigned long long>(platform::framesShown()),
              static_cast<unsigned long long>(games), heapAtMinuteOne, heapAtEnd, growth, filesWhole ? "whole" : "DAMAGED");
  closeAudio();
  platform::shutdownPlatform();
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(folder);
  if (endedEarly) {
    std::puts("soak: FAILED, the program stopped before the end");
    return 1;
  }
  if (growth > kGrowthLimitBytes || !filesWhole) {
    std::puts("soak: FAILED");
    return 1;
  }
  return 0;
}
