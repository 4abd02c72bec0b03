// A backend for recordings made the way a player makes them: a virtual clock
// whose sleeps overshoot by 0 to 4 ms and where every so often a frame comes
// 30 ms late; the keys of a time-only script arrive as a user's would,
// through the backend's event pump. The exact-replay and verifier tests
// record on it.
#pragma once

#include <cstddef>
#include <random>
#include <span>
#include <string_view>
#include <utility>

#include "platform/backend.h"
#include "platform/input_script.h"

namespace shooter::testing {

class JitteryBackend final : public platform::Backend {
 public:
  JitteryBackend(platform::InputScript script, unsigned seed) : script_(std::move(script)), random_(seed) {}
  bool openWindow(int, int, bool, std::string_view) override { return true; }
  void closeWindow() override {}
  void setTitle(std::string_view) override {}
  void present(const platform::Image&) override {}
  void pumpEvents(platform::ProgramInput& sink) override {
    for (; next_ < script_.events.size() && script_.events[next_].time <= now_; ++next_) {
      const auto& e = script_.events[next_];
      using Kind = platform::InputEvent::Kind;
      switch (e.kind) {
        case Kind::KeyDown: sink.keyChanged(e.scancode, true); break;
        case Kind::KeyUp: sink.keyChanged(e.scancode, false); break;
        case Kind::PadDown: sink.padKeyChanged(e.scancode, true); sink.keyChanged(e.scancode, true); break;
        case Kind::PadUp: sink.padKeyChanged(e.scancode, false); sink.keyChanged(e.scancode, false); break;
        case Kind::Close: sink.closeRequested(); break;
      }
    }
  }
  double clockSeconds() override {
    now_ += std::uniform_int_distribution<int>(0, 30)(random_) * 1e-6;  // reading costs a little
    return now_;
  }
  void sleepMs(int milliseconds) override {
    double late = std::uniform_int_distribution<int>(0, 4000)(random_) * 1e-6;
    if (std::uniform_int_distribution<int>(0, 150)(random_) == 0) late += 0.030;
    now_ += std::max(milliseconds, 0) / 1000.0 + late;
  }
  bool isHeadless() const override { return true; }

 private:
  platform::InputScript script_;
  std::size_t next_ = 0;
  std::mt19937 random_;
  double now_ = 0.0;
};

}  // namespace shooter::testing
