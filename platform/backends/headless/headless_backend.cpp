// The windowless backend used by timedemo runs and tests.
#include "platform/backends/headless/headless_backend.h"

namespace platform {

bool HeadlessBackend::openWindow(int width, int height, bool fullScreen, std::string_view title) {
  if (refuseWindows_) return false;
  windowOpen_ = true;
  fullScreen_ = fullScreen;
  width_ = width;
  height_ = height;
  if (!title.empty()) title_ = std::string(title);
  ++opens_;
  return true;
}

void HeadlessBackend::present(const Image&) { ++presents_; }

void HeadlessBackend::pumpEvents(ProgramInput& sink) {
  while (!pending_.empty()) {
    Pending p = std::move(pending_.front());
    pending_.pop_front();
    switch (p.kind) {
      case Pending::Kind::Down: sink.keyChanged(p.scancode, true); break;
      case Pending::Kind::Up: sink.keyChanged(p.scancode, false); break;
      case Pending::Kind::PadDown:
        sink.padKeyChanged(p.scancode, true);
        sink.keyChanged(p.scancode, true);
        break;
      case Pending::Kind::PadUp:
        sink.padKeyChanged(p.scancode, false);
        sink.keyChanged(p.scancode, false);
        break;
      case Pending::Kind::Text: sink.keyText(std::move(p.text)); break;
      case Pending::Kind::Close: sink.closeRequested(); break;
      case Pending::Kind::FocusLost: sink.focusLost(); break;
    }
  }
}

double HeadlessBackend::clockSeconds() {
  const double reading = now_;
  now_ += tickPerRead_;
  return reading;
}

void HeadlessBackend::sleepMs(int milliseconds) {
  if (milliseconds > 0) now_ += milliseconds / 1000.0;
}

void HeadlessBackend::pressKey(int scancode) { pending_.push_back({Pending::Kind::Down, scancode, {}}); }
void HeadlessBackend::releaseKey(int scancode) { pending_.push_back({Pending::Kind::Up, scancode, {}}); }
void HeadlessBackend::pressPadButton(int scancode) { pending_.push_back({Pending::Kind::PadDown, scancode, {}}); }
void HeadlessBackend::releasePadButton(int scancode) { pending_.push_back({Pending::Kind::PadUp, scancode, {}}); }
void HeadlessBackend::typeText(std::string text) { pending_.push_back({Pending::Kind::Text, 0, std::move(text)}); }
void HeadlessBackend::loseFocus() { pending_.push_back({Pending::Kind::FocusLost, 0, {}}); }
void HeadlessBackend::requestClose() { pending_.push_back({Pending::Kind::Close, 0, {}}); }

}  // namespace platform
