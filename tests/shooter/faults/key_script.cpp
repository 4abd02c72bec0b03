// Building input scripts.
#include "key_script.h"

#include <algorithm>
#include <cstdio>

namespace faults {

namespace {

// The title screen gives way to the menu about five seconds after the start.
constexpr double kMenuShown = 7.0;
constexpr double kTapGap = 0.3;

}  // namespace

KeyScript& KeyScript::tap(double at, const char* key) { return hold(at, at + 0.1, key); }

KeyScript& KeyScript::hold(double from, double to, const char* key) {
  events_.emplace_back(from, std::string("down ") + key);
  events_.emplace_back(to, std::string("up ") + key);
  return *this;
}

KeyScript& KeyScript::close(double at) {
  events_.emplace_back(at, "close");
  return *this;
}

std::string KeyScript::text() const {
  auto sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string text;
  for (const auto& [time, action] : sorted) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%.3f ", time);
    text += stamp + action + "\n";
  }
  return text;
}

KeyScript tourOfTheScreens() {
  KeyScript s;
  double t = kMenuShown;
  auto next = [&t](KeyScript& script, const char* key) {
    script.tap(t, key);
    t += kTapGap;
  };
  // Menu item 3, the high-score table, and back.
  for (int i = 0; i < 3; ++i) next(s, "Down");
  next(s, "Enter");
  next(s, "Enter");
  // Menu item 1, the options: full screen, frame rate and volume changed.
  for (int i = 0; i < 2; ++i) next(s, "Up");
  next(s, "Enter");
  next(s, "Enter");
  next(s, "Down");
  next(s, "Enter");
  for (int i = 0; i < 3; ++i) next(s, "Down");
  next(s, "Enter");
  next(s, "Esc");
  // Item 0: the instructions, then a game.
  next(s, "Enter");
  next(s, "Enter");
  const double play = t;
  s.hold(play, kTourEnd, "Space");
  s.hold(play + 1.0, play + 2.0, "Left");
  s.hold(play + 2.5, play + 4.5, "Right");
  s.hold(play + 5.0, play + 6.0, "Up");
  s.tap(play + 7.0, "Esc");  // pause
  s.tap(play + 7.5, "Esc");  // and play on
  s.close(kTourEnd);
  return s;
}

KeyScript saveOptionsThenPlay(double until) {
  KeyScript s;
  double t = kMenuShown;
  auto next = [&t](KeyScript& script, const char* key) {
    script.tap(t, key);
    t += kTapGap;
  };
  next(s, "Down");   // menu item 1
  next(s, "Enter");  // the options, cursor on item 1
  for (int i = 0; i < 3; ++i) next(s, "Down");
  next(s, "Enter");  // collision rate 10 -> 20
  for (int i = 0; i < 2; ++i) next(s, "Down");
  next(s, "Enter");  // ACCEPT: saves settings.dat
  const double play = t + 0.5;
  s.hold(play, until, "Space");
  for (double at = play; at + 1.0 < until; at += 1.0) s.tap(at, "Enter");
  s.close(until);
  return s;
}

}  // namespace faults
