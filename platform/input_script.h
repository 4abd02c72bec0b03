// Input scripts: plain text, one event per line, '#' starts a comment, times
// in seconds of the program's timer:
//   T down KEY     T up KEY     T paddown KEY     T padup KEY     T close
// "paddown" and "padup" are a game pad's button standing for KEY: the key is
// held while the keyboard or the pad holds it, and the program can tell the
// pad's hold apart (the name-entry screen spells with the pad's arrows only).
// KEY is a set-1 scancode number or a name (Esc, Enter, Ctrl, Space, Up, Down,
// Left, Right, KpPlus, Minus, Backspace, A..Z, 0..9).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct InputEvent {
  enum class Kind { KeyDown, KeyUp, PadDown, PadUp, Close };
  double time = 0.0;
  Kind kind = Kind::KeyDown;
  int scancode = 0;
};

struct InputScript {
  std::vector<InputEvent> events;  // in file order, times never decreasing
};

struct ScriptParseResult {
  std::optional<InputScript> script;
  std::string error;  // names the offending line: "line 3: ..."
};

ScriptParseResult parseInputScript(std::string_view text);

// The scancode for a key name or number, or nullopt.
std::optional<int> keyFromName(std::string_view name);
// The name written by the recorder ("Space", "A", or the number).
std::string keyName(int scancode);

// One event as a script line ("1.250000 down Space").
std::string formatInputEvent(const InputEvent& event);

}  // namespace platform
