// The meaning of the window backends' raw input.
#include "platform/input_translator.h"

#include "platform/key_codes.h"

namespace platform {

namespace {

struct PadKeyRow {
  PadButton button;
  int scancode;
};

constexpr std::array<PadKeyRow, 7> kPadKeys{{
    {PadButton::DpadUp, key::Up},
    {PadButton::DpadDown, key::Down},
    {PadButton::DpadLeft, key::Left},
    {PadButton::DpadRight, key::Right},
    {PadButton::South, key::Space},
    {PadButton::East, key::Enter},
    {PadButton::Start, key::Esc},
}};
static_assert(kPadKeys.size() == 7);

// The first key that leaves "255, scancode" key text: F1.
constexpr int kFirstExtendedKeyText = 59;

// Pad controls hold keys under these ids: the buttons by their number, and
// each stick direction by one past them.
constexpr int stickId(std::size_t axis, bool positive) {
  return kPadButtonCount + static_cast<int>(axis) * 2 + (positive ? 1 : 0);
}

}  // namespace

std::string keyTextFor(int scancode) {
  switch (scancode) {
    case key::Esc: return "\x1b";
    case key::Enter: return "\r";
    case key::Backspace: return "\b";
    case key::Tab: return "\t";
    default: break;
  }
  if (scancode >= kFirstExtendedKeyText && scancode < key::kCount) return std::string{'\xFF', static_cast<char>(scancode)};
  return "";
}

int keyForPadButton(PadButton button) {
  for (const auto& row : kPadKeys) {
    if (row.button == button) return row.scancode;
  }
  return 0;
}

void InputTranslator::key(int physicalKey, int scancode, bool down, bool repeat) {
  if (!repeat) {
    if (down) {
      keys_.press(KeyCombiner::Source::Keyboard, physicalKey, scancode, *program_);
      program_->anyKeyPressed();
    } else {
      keys_.release(KeyCombiner::Source::Keyboard, physicalKey, *program_);
    }
  }
  if (down) {
    if (std::string text = keyTextFor(scancode); !text.empty()) program_->keyText(std::move(text));
  }
}

void InputTranslator::padButton(PadButton button, bool down) {
  const int id = static_cast<int>(button);
  if (down) {
    keys_.press(KeyCombiner::Source::Pad, id, keyForPadButton(button), *program_);
  } else {
    keys_.release(KeyCombiner::Source::Pad, id, *program_);
  }
}

void InputTranslator::padAxis(PadAxis axis, double value) {
  const auto i = static_cast<std::size_t>(axis);
  int direction = stickDirection_[i];
  if (value > kStickPress) direction = 1;
  else if (value < -kStickPress) direction = -1;
  else if (value > -kStickRelease && value < kStickRelease) direction = 0;
  if (direction == stickDirection_[i]) return;
  const bool horizontal = axis == PadAxis::LeftX;
  const int negative = horizontal ? key::Left : key::Up;
  const int positive = horizontal ? key::Right : key::Down;
  KeyCombiner::Source pad = KeyCombiner::Source::Pad;
  if (direction < 0) keys_.press(pad, stickId(i, false), negative, *program_);
  else keys_.release(pad, stickId(i, false), *program_);
  if (direction > 0) keys_.press(pad, stickId(i, true), positive, *program_);
  else keys_.release(pad, stickId(i, true), *program_);
  stickDirection_[i] = direction;
}

void InputTranslator::padRemoved() {
  keys_.releaseAll(KeyCombiner::Source::Pad, *program_);
  stickDirection_ = {};
  program_->focusLost();
}

}  // namespace platform
