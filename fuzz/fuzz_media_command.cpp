// Media-control command texts: any text parses to a request or an error, and
// the views it returns lie inside the text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "testbench/media_command_parser.h"

namespace {
bool inside(std::string_view part, std::string_view whole) {
  return part.empty() || (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  testbench::MediaRequest request;
  if (testbench::ParseMediaCommand(text, request) == 0) {
    if (!inside(request.alias, text) || !inside(request.file, text)) std::abort();
  }
  return 0;
}
