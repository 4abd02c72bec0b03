// Reading and writing input scripts.
#include "platform/input_script.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "platform/key_codes.h"

namespace platform {

namespace {

struct NamedKey {
  const char* name;
  int scancode;
};

constexpr std::array<NamedKey, 13> kNamedKeys{{
    {"Esc", key::Esc},     {"Enter", key::Enter}, {"Ctrl", key::Ctrl},         {"Space", key::Space},
    {"Up", key::Up},       {"Down", key::Down},   {"Left", key::Left},         {"Right", key::Right},
    {"KpPlus", key::KpPlus}, {"Minus", key::Minus}, {"Backspace", key::Backspace}, {"Tab", key::Tab},
    {"Plus", key::KpPlus},
}};

// Letters in alphabetical order with their set-1 scancodes.
constexpr std::array<int, 26> kLetterCodes{
    key::A, key::B, key::C, key::D, key::E, key::F, key::G, key::H, key::I, key::J, key::K, key::L, key::M,
    key::N, key::O, key::P, key::Q, key::R, key::S, key::T, key::U, key::V, key::W, key::X, key::Y, key::Z};

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace

std::optional<int> keyFromName(std::string_view name) {
  for (const auto& k : kNamedKeys) {
    if (equalsNoCase(name, k.name)) return k.scancode;
  }
  if (name.size() == 1) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if (c >= 'A' && c <= 'Z') return kLetterCodes[static_cast<std::size_t>(c - 'A')];
    if (c >= '1' && c <= '9') return key::Digit1 + (c - '1');
    if (c == '0') return key::Digit0;
  }
  // Plain scancode numbers (two or more digits, or a digit name handled above).
  if (!name.empty() && name.size() <= 3) {
    int value = 0;
    for (const char c : name) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
      value = value * 10 + (c - '0');
    }
    if (value > 0 && value < key::kCount) return value;
  }
  return std::nullopt;
}

std::string keyName(int scancode) {
  for (const auto& k : kNamedKeys) {
    if (k.scancode == scancode) return k.name;
  }
  for (std::size_t i = 0; i < kLetterCodes.size(); ++i) {
    if (kLetterCodes[i] == scancode) return std::string(1, static_cast<char>('A' + i));
  }
  // A lone digit names a digit key, so digit keys are written by their digit
  // and every other key by its scancode number (always two or more digits).
  if (scancode >= key::Digit1 && scancode < key::Digit0) return std::string(1, static_cast<char>('1' + scancode - key::Digit1));
  if (scancode == key::Digit0) return "0";
  return scancode < 10 ? "0" + std::to_string(scancode) : std::to_string(scancode);
}

std::string formatInputEvent(const InputEvent& event) {
  char time[32];
  std::snprintf(time, sizeof time, "%.6f", event.time);
  switch (event.kind) {
    case InputEvent::Kind::KeyDown: return std::string(time) + " down " + keyName(event.scancode);
    case InputEvent::Kind::KeyUp: return std::string(time) + " up " + keyName(event.scancode);
    case InputEvent::Kind::PadDown: return std::string(time) + " paddown " + keyName(event.scancode);
    case InputEvent::Kind::PadUp: return std::string(time) + " padup " + keyName(event.scancode);
    case InputEvent::Kind::Close: break;
  }
  return std::string(time) + " close";
}

namespace {

std::optional<InputEvent::Kind> keyEventKind(std::string_view action) {
  if (action == "down") return InputEvent::Kind::KeyDown;
  if (action == "up") return InputEvent::Kind::KeyUp;
  if (action == "paddown") return InputEvent::Kind::PadDown;
  if (action == "padup") return InputEvent::Kind::PadUp;
  return std::nullopt;
}

}  // namespace

ScriptParseResult parseInputScript(std::string_view text) {
  ScriptParseResult result;
  InputScript script;
  std::istringstream in{std::string(text)};
  std::string line;
  int lineNumber = 0;
  double lastTime = 0.0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::string timeText, action, keyText, extra;
    if (!(words >> timeText)) continue;  // blank or comment-only line
    auto fail = [&](const std::string& why) {
      result.error = "line " + std::to_string(lineNumber) + ": " + why;
      return result;
    };
    char* end = nullptr;
    const double time = std::strtod(timeText.c_str(), &end);
    if (end != timeText.c_str() + timeText.size() || !(time >= 0.0) || time > 1e9) {
      return fail("'" + timeText + "' is not a time in seconds");
    }
    if (time < lastTime) return fail("times must not go backwards");
    if (!(words >> action)) return fail("an action (down, up, paddown, padup or close) is missing");
    InputEvent event;
    event.time = time;
    if (action == "close") {
      event.kind = InputEvent::Kind::Close;
    } else if (const auto kind = keyEventKind(action)) {
      event.kind = *kind;
      if (!(words >> keyText)) return fail("a key is missing");
      const auto code = keyFromName(keyText);
      if (!code) return fail("'" + keyText + "' is not a key");
      event.scancode = *code;
    } else {
      return fail("'" + action + "' is not down, up, paddown, padup or close");
    }
    if (words >> extra) return fail("unexpected '" + extra + "'");
    lastTime = time;
    script.events.push_back(event);
  }
  result.script = std::move(script);
  return result;
}

}  // namespace platform
