// KeyboardEvent.code names by set-1 scancode.
#include "platform/backends/web/web_keys.h"

#include <array>

#include "platform/key_codes.h"

namespace platform {

namespace {

struct DomKeyRow {
  std::string_view code;
  int set1;
};

// The same keys as the SDL backend's table, by the browser's names.
constexpr std::array<DomKeyRow, 85> kDomKeys{{
    {"Escape", 1},       {"Digit1", 2},        {"Digit2", 3},         {"Digit3", 4},
    {"Digit4", 5},       {"Digit5", 6},        {"Digit6", 7},         {"Digit7", 8},
    {"Digit8", 9},       {"Digit9", 10},       {"Digit0", 11},        {"Minus", 12},
    {"Equal", 13},       {"Backspace", 14},    {"Tab", 15},           {"KeyQ", 16},
    {"KeyW", 17},        {"KeyE", 18},         {"KeyR", 19},          {"KeyT", 20},
    {"KeyY", 21},        {"KeyU", 22},         {"KeyI", 23},          {"KeyO", 24},
    {"KeyP", 25},        {"BracketLeft", 26},  {"BracketRight", 27},  {"Enter", 28},
    {"ControlLeft", 29}, {"KeyA", 30},         {"KeyS", 31},          {"KeyD", 32},
    {"KeyF", 33},        {"KeyG", 34},         {"KeyH", 35},          {"KeyJ", 36},
    {"KeyK", 37},        {"KeyL", 38},         {"Semicolon", 39},     {"Quote", 40},
    {"Backquote", 41},   {"ShiftLeft", 42},    {"Backslash", 43},     {"KeyZ", 44},
    {"KeyX", 45},        {"KeyC", 46},         {"KeyV", 47},          {"KeyB", 48},
    {"KeyN", 49},        {"KeyM", 50},         {"Comma", 51},         {"Period", 52},
    {"Slash", 53},       {"ShiftRight", 54},   {"NumpadMultiply", 55}, {"AltLeft", 56},
    {"Space", 57},       {"CapsLock", 58},     {"F1", 59},            {"F2", 60},
    {"F3", 61},          {"F4", 62},           {"F5", 63},            {"F6", 64},
    {"F7", 65},          {"F8", 66},           {"F9", 67},            {"F10", 68},
    {"Home", 71},        {"ArrowUp", 72},      {"PageUp", 73},        {"NumpadSubtract", 74},
    {"ArrowLeft", 75},   {"ArrowRight", 77},   {"NumpadAdd", 78},     {"End", 79},
    {"ArrowDown", 80},   {"PageDown", 81},     {"Insert", 82},        {"Delete", 83},
    {"ControlRight", 29}, {"NumpadEnter", 28}, {"AltRight", 56},      {"F11", 87},
    {"F12", 88},
}};

bool letterOrDigit(int code) {
  const bool digit = code >= key::Digit1 && code <= key::Digit0;
  const bool letter = (code >= key::Q && code <= key::P) || (code >= key::A && code <= key::L) ||
                      (code >= key::Z && code <= key::M);
  return digit || letter;
}

// Keys the programs read: arrows, Space, Enter, Ctrl, Esc, keypad plus,
// Minus, Backspace, the letters and the digits.
bool programUses(int code) {
  switch (code) {
    case key::Up: case key::Down: case key::Left: case key::Right:
    case key::Space: case key::Enter: case key::Ctrl: case key::Esc:
    case key::KpPlus: case key::Minus: case key::Backspace:
      return true;
    default:
      return letterOrDigit(code);
  }
}

}  // namespace

int set1FromDomCode(std::string_view code) {
  for (const auto& row : kDomKeys) {
    if (row.code == code) return row.set1;
  }
  return 0;
}

int physicalKeyFromDomCode(std::string_view code) {
  for (std::size_t i = 0; i < kDomKeys.size(); ++i) {
    if (kDomKeys[i].code == code) return static_cast<int>(i);
  }
  return -1;
}

bool pageTakesKey(int scancode, bool ctrlOrMetaHeld) {
  return programUses(scancode) && !(ctrlOrMetaHeld && letterOrDigit(scancode));
}

}  // namespace platform
