// The names the door lets in before the table's own rule is asked: 1 to 12
// characters of printable ASCII, not only spaces. The store, the board page
// and the game's sprite font then never meet control bytes or UTF-8.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace scores {

// Why a name is refused, for a person; empty when it is fine.
using NameCheck = std::function<std::string(std::string_view name)>;

std::string basicNameProblem(std::string_view name);

}  // namespace scores
