// The interface a backend fills. The platform core owns pages, key state,
// scripts and the recorder; a backend only opens the window, shows a page,
// delivers the user's input and tells the time.
#pragma once

#include <string>
#include <string_view>

#include "platform/image.h"
#include "platform/pad_layout.h"

namespace platform {

// The input as the program sees it: set-1 keys held or released, key text,
// the close button and focus losses. The platform core receives it; the
// recording and replay wrappers keep and hand back exactly these events.
class ProgramInput {
 public:
  // The key's combined state: held while any keyboard key or game pad
  // control that stands for it is held.
  virtual void keyChanged(int scancode, bool down) = 0;
  // A game pad's own hold on the key one of its controls stands for,
  // reported before the combined change it may cause.
  virtual void padKeyChanged(int scancode, bool down) = 0;
  virtual void keyText(std::string text) = 0;  // typed characters, Esc, extended keys
  virtual void closeRequested() = 0;
  // The window lost the keyboard focus, or the game pad in use was pulled out.
  virtual void focusLost() = 0;
  // Some key of the keyboard went down (not a repeat), whether or not it has
  // a set-1 code: what a "press any key" wait waits for. It holds no key.
  virtual void anyKeyPressed() = 0;
 protected:
  ~ProgramInput() = default;
};

// What a window backend reports: what happened, not what it means. The
// platform core's InputTranslator turns these into ProgramInput events.
class InputSink {
 public:
  // A physical key went down or up. `physicalKey` is the backend's own
  // number for the key (it tells apart the two Ctrl keys); `scancode` is the
  // set-1 code it stands for, 0 when it has none. `repeat` marks the
  // keyboard's auto-repeat of a key already down.
  virtual void key(int physicalKey, int scancode, bool down, bool repeat) = 0;
  virtual void padButton(PadButton button, bool down) = 0;
  // Stick travel from -1 (left or up) to 1 (right or down).
  virtual void padAxis(PadAxis axis, double value) = 0;
  // A game pad was pulled out.
  virtual void padRemoved() = 0;
  virtual void focusLost() = 0;
  virtual void closeRequested() = 0;
  // Characters typed, as the system's keyboard layout makes them.
  virtual void textTyped(std::string text) = 0;
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
  // Delivers pending input to the program. A window backend reports its raw
  // events through an InputTranslator bound to `program`; the headless,
  // recording and replay backends deliver program input directly.
  virtual void pumpEvents(ProgramInput& program) = 0;
  // Seconds since the backend started.
  virtual double clockSeconds() = 0;
  virtual void sleepMs(int milliseconds) = 0;
  // True for the headless backend: scripts drive it at full speed.
  virtual bool isHeadless() const = 0;
};

}  // namespace platform
