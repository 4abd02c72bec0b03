// Writing and reading the state a game starts from. One list of values
// (visitState) serves both directions, so the two cannot disagree.
#include "shooter/shell/game_start_state.h"

#include <bit>
#include <cstring>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/platform.h"
#include "shooter/game/game_entity.h"
#include "shooter/game/game_state.h"
#include "shooter/game/sprite_codes.h"
#include "shooter/shell/shell_state.h"

namespace try_bits {
template <class To, class From>
To bitCast(const From& from) {
  static_assert(sizeof(To) == sizeof(From));
  To to;
  std::memcpy(&to, &from, sizeof(To));
  return to;
}
}  // namespace try_bits
namespace shooter {

namespace {

// The first two words: the form's name and its version.
constexpr std::string_view kFormatName = "kestrel-game";
constexpr std::string_view kFormatVersion = "1";
constexpr std::string_view kFreeSlot = "-";  // a slot whose every value is zero

// A new value in these records must be added to visitState: the sizes (on
// 64-bit builds, where they are known) say when one was.
static_assert(sizeof(void*) != 8 || sizeof(GameEntity) == 40, "a new GameEntity field belongs in visitEntity");
static_assert(sizeof(void*) != 8 || sizeof(GameState) == 88, "a new GameState field belongs in visitGame");
static_assert(sizeof(void*) != 8 || sizeof(FrameClock) == 56, "a new FrameClock field belongs in visitShell");

class Writer {
 public:
  void integer(std::int64_t v) { word(std::to_string(v)); }
  template <typename T>
  void value(T& v) {
    if constexpr (std::is_same_v<T, float>) {
      hex(try_bits::bitCast<std::uint32_t>(v), 8);
    } else if constexpr (std::is_same_v<T, double>) {
      hex(try_bits::bitCast<std::uint64_t>(v), 16);
    } else if constexpr (std::is_same_v<T, bool>) {
      integer(v ? 1 : 0);
    } else {
      integer(static_cast<std::int64_t>(v));
    }
  }
  void word(std::string_view w) {
    if (!text.empty()) text += ' ';
    text += w;
  }
  std::string text;

 private:
  void hex(std::uint64_t bits, int digits) {
    char buffer[17];
    for (int i = digits - 1; i >= 0; --i, bits >>= 4) buffer[i] = "0123456789abcdef"[bits & 0xFu];
    word(std::string_view(buffer, static_cast<std::size_t>(digits)));
  }
};

class Reader {
 public:
  explicit Reader(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
      const auto end = std::min(text.find(' ', at), text.size());
      if (end > at) words_.push_back(text.substr(at, end - at));
      at = end + 1;
    }
  }
  template <typename T>
  void value(T& v) {
    const std::string_view w = next();
    if (!problem.empty()) return;
    if constexpr (std::is_same_v<T, float>) {
      std::uint32_t bits = 0;
      if (!parse(w, bits, 16, 8)) return fail("a float is 8 hex digits", w);
      v = try_bits::bitCast<float>(bits);
    } else if constexpr (std::is_same_v<T, double>) {
      std::uint64_t bits = 0;
      if (!parse(w, bits, 16, 16)) return fail("a double is 16 hex digits", w);
      v = try_bits::bitCast<double>(bits);
    } else if constexpr (std::is_same_v<T, bool>) {
      int n = 0;
      if (!parse(w, n, 10, 0) || n < 0 || n > 1) return fail("a flag is 0 or 1", w);
      v = n == 1;
    } else {
      T n{};
      if (!parse(w, n, 10, 0)) return fail("not a whole number in range", w);
      v = n;
    }
  }
  // True (and the word taken) when the next word is `w`.
  bool take(std::string_view w) {
    if (at_ < words_.size() && words_[at_] == w) {
      ++at_;
      return true;
    }
    return false;
  }
  bool atEnd() const { return at_ == words_.size(); }
  std::string problem;

 private:
  std::string_view next() {
    if (at_ >= words_.size()) {
      if (problem.empty()) problem = "the game's start values end early";
      return {};
    }
    return words_[at_++];
  }
  template <typename T>
  static bool parse(std::string_view w, T& out, int base, std::size_t digits) {
    if (w.empty() || (digits && w.size() != digits)) return false;
    const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), out, base);
    return error == std::errc{} && end == w.data() + w.size();
  }
  void fail(const char* what, std::string_view w) {
    problem = "the game's start values hold '" + std::string(w.substr(0, 20)) + "' where " + what + " belongs";
  }
  std::vector<std::string_view> words_;
  std::size_t at_ = 0;
};

template <typename Io>
void visitEntity(Io& io, GameEntity& e) {
  io.value(e.x);
  io.value(e.y);
  io.value(e.width);
  io.value(e.height);
  io.value(e.spriteCode);
  io.value(e.dx);
  io.value(e.dy);
  io.value(e.active);
  io.value(e.frame);
  io.value(e.side);
  io.value(e.hitPoints);
  io.value(e.damage);
  io.value(e.fireTimer);
  io.value(e.lifeTimer);
}

bool isBlank(const GameEntity& e) {
  Writer blank;
  GameEntity zero{};
  visitEntity(blank, zero);
  Writer mine;
  GameEntity copy = e;
  visitEntity(mine, copy);
  return blank.text == mine.text;
}

template <int Last>
void visitPool(Writer& io, Pool<Last>& pool) {
  io.value(pool.cursor);
  for (auto& slot : pool.slots) {
    if (isBlank(slot)) {
      io.word(kFreeSlot);
    } else {
      visitEntity(io, slot);
    }
  }
}

template <int Last>
void visitPool(Reader& io, Pool<Last>& pool) {
  io.value(pool.cursor);
  for (auto& slot : pool.slots) {
    if (io.take(kFreeSlot)) {
      slot = GameEntity{};
    } else {
      visitEntity(io, slot);
    }
  }
}

template <typename Io>
void visitGame(Io& io, GameState& g) {
  io.value(g.score);
  io.value(g.lives);
  io.value(g.hp);
  io.value(g.shootPower);
  io.value(g.bossTime);
  io.value(g.bossActive);
  io.value(g.bossSlot);
  io.value(g.playerX);
  io.value(g.playerY);
  io.value(g.playerVisible);
  io.value(g.blinkCounter);
  io.value(g.enemyFireInterval);
  io.value(g.sceneryCounter);
  io.value(g.wave1Counter);
  io.value(g.wave2Counter);
  io.value(g.wave3Counter);
  io.value(g.wave1Threshold);
  io.value(g.wave2Threshold);
  io.value(g.wave3Threshold);
  io.value(g.timers.lastTenthTick);
  io.value(g.timers.lastShotSound);
  io.value(g.timers.lastCollisionPass);
  io.value(g.overReady);
  io.value(g.shotColumnsOn);
  io.value(g.backdrop.seaOffset);
  io.value(g.backdrop.seaPhase);
  io.value(g.backdrop.propellerPhase);
}

// What of the shell a game reads or carries on with: the frame clock, the
// key gate, the pause menu's cursor and the page pair.
struct ShellPart {
  FrameClock clock;
  double lastKeyTime = 0.0;
  std::int8_t menuCursor = 0;
  int pageA = 0;
  int pageB = 1;
};

template <typename Io>
void visitShell(Io& io, ShellPart& s) {
  io.value(s.clock.now);
  io.value(s.clock.lastFrameTime);
  io.value(s.clock.frameInterval);
  io.value(s.clock.sleepMs);
  io.value(s.clock.msPerFrame);
  io.value(s.clock.framesThisSecond);
  io.value(s.clock.fpsValue);
  io.value(s.clock.lastSecondTime);
  io.value(s.clock.secondsCounter);
  io.value(s.lastKeyTime);
  io.value(s.menuCursor);
  io.value(s.pageA);
  io.value(s.pageB);
}

// The state being read: kept aside until all of it has been read well.
struct WholeState {
  GameState game;
  UnitPool surfaceUnits;
  UnitPool aircraft;
  ShotPool shots;
  UnitPool explosions;
  UnitPool pickups;
  ShellPart shell;
};

template <typename Io>
void visitState(Io& io, WholeState& s) {
  visitGame(io, s.game);
  visitPool(io, s.surfaceUnits);
  visitPool(io, s.aircraft);
  visitPool(io, s.shots);
  visitPool(io, s.explosions);
  visitPool(io, s.pickups);
  visitShell(io, s.shell);
}

}  // namespace

std::string gameStartText() {
  // Large: kept off the stack.
  static WholeState now;
  now = WholeState{game,  surfaceUnits, aircraft, shots, explosions, pickups,
                   ShellPart{shell.frameClock, shell.lastKeyTime, shell.menuCursor, shell.pageA, shell.pageB}};
  Writer out;
  out.word(kFormatName);
  out.word(kFormatVersion);
  visitState(out, now);
  return out.text;
}

std::optional<std::string> restoreGameStart(std::string_view text) {
  static WholeState read;
  read = WholeState{};
  Reader in(text);
  if (!in.take(kFormatName) || !in.take(kFormatVersion)) {
    return "the game's start values are not in the form \"" + std::string(kFormatName) + " " +
           std::string(kFormatVersion) + "\"";
  }
  visitState(in, read);
  if (!in.problem.empty()) return in.problem;
  if (!in.atEnd()) return std::string("the game's start values go on past their end");
  game = read.game;
  surfaceUnits = read.surfaceUnits;
  aircraft = read.aircraft;
  shots = read.shots;
  explosions = read.explosions;
  pickups = read.pickups;
  shell.frameClock = read.shell.clock;
  shell.lastKeyTime = read.shell.lastKeyTime;
  shell.menuCursor = read.shell.menuCursor;
  shell.pageA = read.shell.pageA;
  shell.pageB = read.shell.pageB;
  return std::nullopt;
}

namespace {

template <int Last>
bool anyActive(const Pool<Last>& pool) {
  for (const auto& slot : pool.slots) {
    if (slot.active != 0) return true;
  }
  return false;
}

}  // namespace

std::optional<std::string> gameStartProblem() {
  // The values a new game has: resetGame's, then startGame's, with the
  // backdrop carried on. The frame that starts a game may also bring the
  // once-a-second tick, which adds 2 to the boss time.
  GameState fresh{};
  fresh.playerX = static_cast<std::int32_t>(std::lround(platform::screenWidth() / 2.0));
  const int h = platform::screenHeight();
  fresh.playerY = static_cast<std::int32_t>(std::lround(h / 2.0 + h / 4.0));
  fresh.backdrop = game.backdrop;
  if (game.bossTime == 2) fresh.bossTime = 2;
  Writer expected;
  visitGame(expected, fresh);
  Writer actual;
  GameState copy = game;
  visitGame(actual, copy);
  if (expected.text != actual.text) return std::string("the game does not start as a new game");
  const auto& sea = game.backdrop;
  if (!(sea.seaOffset >= -64.0f && sea.seaOffset < -32.0f) || sea.seaPhase < 0 || sea.seaPhase > 1 ||
      sea.propellerPhase < 0 || sea.propellerPhase > 2) {
    return std::string("the sea or the craft's propeller is out of its range");
  }
  if (anyActive(surfaceUnits) || anyActive(aircraft) || anyActive(shots) || anyActive(explosions)) {
    return std::string("units are out before the game has started");
  }
  if (surfaceUnits.cursor != 1 || aircraft.cursor != 1 || shots.cursor != 1 || explosions.cursor != 1 ||
      pickups.cursor != 2 || pickups[0].active != 0 || pickups[1].active != 1 || pickups[1].spriteCode != kStartBanner) {
    return std::string("the game does not start with its banner alone");
  }
  for (int i = 2; i <= UnitPool::kLast; ++i) {
    if (pickups[i].active != 0) return std::string("bonuses are out before the game has started");
  }
  const FrameClock& c = shell.frameClock;
  for (const double v : {c.now, c.lastFrameTime, c.frameInterval, shell.lastKeyTime}) {
    if (!std::isfinite(v)) return std::string("the frame clock holds a value that is not a number");
  }
  if (c.now < 0.0 || c.lastFrameTime != c.now || shell.lastKeyTime != c.now) {
    return std::string("the frame clock does not stand at the frame the game started on");
  }
  if (!(c.lastSecondTime <= c.now && c.now - c.lastSecondTime < 1.0)) {
    return std::string("the frame clock's last counted second is not within the last second");
  }
  if (!(c.frameInterval > 0.0 && c.frameInterval <= 1.0) || c.framesThisSecond < 0 || c.framesThisSecond > 100000 ||
      c.fpsValue < 0 || c.secondsCounter < 0 || c.secondsCounter > 1000) {
    return std::string("the frame clock's pacing values are out of range");
  }
  if (c.msPerFrame != millisecondsPerFrame(shell.settings.desiredFps)) {
    return std::string("the frame length does not follow the settings");
  }
  if (shell.menuCursor < 0 || shell.menuCursor > 7 || shell.pageA < 0 || shell.pageA > 1 || shell.pageB != 1 - shell.pageA) {
    return std::string("the menu cursor or the page pair is out of range");
  }
  return std::nullopt;
}

}  // namespace shooter
