#include "scores/server/name_rules.h"

#include <algorithm>

namespace scores {

namespace {
constexpr std::size_t kMaxNameCharacters = 12;
}

std::string basicNameProblem(std::string_view name) {
  if (name.empty()) return "the name is empty";
  if (name.size() > kMaxNameCharacters) return "the name is longer than 12 characters";
  const bool printable = std::all_of(name.begin(), name.end(), [](char c) { return c >= ' ' && c <= '~'; });
  if (!printable) return "the name holds a character the score table cannot show";
  if (name.find_first_not_of(' ') == std::string_view::npos) return "the name is only spaces";
  return {};
}

}  // namespace scores
