// Input scripts: any text either parses or is refused with a line number,
// and a parsed script written back out parses to the same events.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/input_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parsed = platform::parseInputScript(std::string(reinterpret_cast<const char*>(data), size));
  if (!parsed.script) {
    if (parsed.error.rfind("line ", 0) != 0) std::abort();
    return 0;
  }
  std::string text;
  for (const auto& e : parsed.script->events) text += platform::formatInputEvent(e) + "\n";
  const auto again = platform::parseInputScript(text);
  if (!again.script || again.script->events.size() != parsed.script->events.size()) std::abort();
  for (std::size_t i = 0; i < again.script->events.size(); ++i) {
    if (again.script->events[i].kind != parsed.script->events[i].kind ||
        again.script->events[i].scancode != parsed.script->events[i].scancode) {
      std::abort();
    }
  }
  return 0;
}
