// A backend with no window: pages live in memory, the clock is virtual and
// starts at 0, advancing only when the program sleeps (plus an optional fixed
// step on every reading, for programs that busy-wait on the clock). Keys come
// from the platform's input script or from tests through pressKey().
#pragma once

#include <deque>
#include <string>

#include "platform/backend.h"

namespace platform {

class HeadlessBackend final : public Backend {
 public:
  explicit HeadlessBackend(double tickPerRead = 0.0) : tickPerRead_(tickPerRead) {}

  bool openWindow(int width, int height, bool fullScreen, std::string_view title) override;
  void closeWindow() override { windowOpen_ = false; }
  void setTitle(std::string_view title) override { title_ = std::string(title); }
  void present(const Image& page) override;
  void pumpEvents(ProgramInput& sink) override;
  double clockSeconds() override;
  void sleepMs(int milliseconds) override;
  bool isHeadless() const override { return true; }

  // Test controls: queue input delivered at the next pump.
  void pressKey(int scancode);
  void releaseKey(int scancode);
  // A game pad's button standing for the key: held as a key, and as a pad key.
  void pressPadButton(int scancode);
  void releasePadButton(int scancode);
  void typeText(std::string text);
  void requestClose();
  void loseFocus();
  void advanceClock(double seconds) { now_ += seconds; }
  // From now on, opening a window fails as a refused real window would.
  void refuseWindows() { refuseWindows_ = true; }

  const std::string& title() const { return title_; }
  bool windowOpen() const { return windowOpen_; }
  bool fullScreen() const { return fullScreen_; }
  int windowWidth() const { return width_; }
  int windowHeight() const { return height_; }
  int presentCount() const { return presents_; }
  int windowOpenCount() const { return opens_; }

 private:
  struct Pending {
    enum class Kind { Down, Up, PadDown, PadUp, Text, Close, FocusLost } kind;
    int scancode;
    std::string text;
  };
  std::deque<Pending> pending_;
  double now_ = 0.0;
  double tickPerRead_;
  std::string title_;
  bool windowOpen_ = false;
  bool refuseWindows_ = false;
  bool fullScreen_ = false;
  int width_ = 0;
  int height_ = 0;
  int presents_ = 0;
  int opens_ = 0;
};

}  // namespace platform
