// The interface a backend fills. The platform core owns pages, key state,
// scripts and the recorder; a backend only opens the window, shows a page,
// delivers the user's input and tells the time.
#pragma once

#include <string>
#include <string_view>

#include "platform/image.h"

namespace platform {

// Where a backend delivers the user's input.
class InputSink {
 public:
  // The key's combined state: held while the keyboard or a game pad holds it.
  virtual void keyChanged(int scancode, bool down) = 0;
  // A game pad's own hold on the key one of its buttons stands for, reported
  // before the combined change it may cause.
  virtual void padKeyChanged(int scancode, bool down) = 0;
  virtual void keyText(std::string text) = 0;  // typed characters, Esc, extended keys
  virtual void closeRequested() = 0;
  // The window lost the keyboard focus, or the game pad in use was pulled out.
  virtual void focusLost() = 0;
 protected:
  ~InputSink() = default;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Called by openScreen(); a second call reopens at the new size.
  virtual bool openWindow(int width, int height, bool fullScreen, std::string_view title) = 0;
  virtual void closeWindow() = 0;
  virtual void setTitle(std::string_view title) = 0;
  // Shows a page: called when the visible page changes, on unlock, and after
  // character-cell text printed on the visible page.
  virtual void present(const Image& page) = 0;
  // Delivers pending window events to the sink.
  virtual void pumpEvents(InputSink& sink) = 0;
  // Seconds since the backend started.
  virtual double clockSeconds() = 0;
  virtual void sleepMs(int milliseconds) = 0;
  // True for the headless backend: scripts drive it at full speed.
  virtual bool isHeadless() const = 0;
};

}  // namespace platform
