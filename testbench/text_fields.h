// Colour texts and field splitting. A colour text is red, green and blue in
// decimal, each followed by ",": white is "255,255,255,".
#pragma once

#include <string>
#include <vector>

#include "platform/image.h"

namespace testbench {

// "R,G,B," from bits 16-23, 8-15 and 0-7.
std::string ColourText(const platform::Colour& colour);
// "R,G,B,A," with the alpha byte (bits 24-31) last.
std::string ColourText4(const platform::Colour& colour);

// Splits the text at every occurrence of the one-character separator into
// slots 1, 2, 3, ... of the 1-based table. A last field not followed by the
// separator is not stored; slots past the last stored field keep their old
// contents; fields beyond the table's last slot are dropped. Returns the
// number of fields stored.
int SplitFields(const std::string& text, const std::string& separator, std::vector<std::string>& fields);

}  // namespace testbench
