// The board page (board.html), built into the program.
#pragma once

#include <string_view>

namespace scores {

std::string_view boardPageHtml();

}  // namespace scores
