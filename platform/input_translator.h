// What the window backends' raw input means to a program, decided once for
// every backend: which keys leave key text, which pad control stands for
// which key, when the stick counts as pushed, what pulling out a pad does,
// and how several controls standing for one key combine.
#pragma once

#include <array>
#include <string>

#include "platform/backend.h"
#include "platform/key_combiner.h"

namespace platform {

// The key text a key leaves when it goes down (and on each repeat): Esc,
// Enter, Backspace and Tab as their ASCII codes, keys from F1 on as 255
// followed by the scancode; "" for keys that leave none besides the
// characters they type.
std::string keyTextFor(int scancode);

// The key a pad button stands for, 0 for none: the d-pad is the arrows,
// South is Space, East is Enter and Start is Esc.
int keyForPadButton(PadButton button);

// Stick travel that counts as pushing, and the smaller travel under which it
// counts as released again, so a resting stick never flickers.
inline constexpr double kStickPress = 16000.0 / 32767.0;
inline constexpr double kStickRelease = 12000.0 / 32767.0;

class InputTranslator final : public InputSink {
 public:
  // The program the next events go to; a backend calls it at the start of
  // each pump and reports its events to the returned sink.
  InputSink& into(ProgramInput& program) {
    program_ = &program;
    return *this;
  }

  void key(int physicalKey, int scancode, bool down, bool repeat) override;
  void padButton(PadButton button, bool down) override;
  void padAxis(PadAxis axis, double value) override;
  void padRemoved() override;
  void focusLost() override { program_->focusLost(); }
  void closeRequested() override { program_->closeRequested(); }
  void textTyped(std::string text) override { program_->keyText(std::move(text)); }

 private:
  ProgramInput* program_ = nullptr;
  KeyCombiner keys_;
  std::array<int, kPadAxisCount> stickDirection_{};  // -1, 0, 1 for x and y
};

}  // namespace platform
