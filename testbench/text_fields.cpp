#include "testbench/text_fields.h"

#include "platform/text_convert.h"
#include "testbench/table.h"

namespace testbench {

namespace {

std::string byteText(platform::Colour colour, int shift) {
  return platform::toText(std::int64_t{(colour >> shift) & 0xFFu});
}

}  // namespace

std::string ColourText(const platform::Colour& colour) {
  return byteText(colour, 16) + "," + byteText(colour, 8) + "," + byteText(colour, 0) + ",";
}

std::string ColourText4(const platform::Colour& colour) { return ColourText(colour) + byteText(colour, 24) + ","; }

int SplitFields(const std::string& text, const std::string& separator, std::vector<std::string>& fields) {
  // A separator of any other length matches no single character.
  const bool usable = separator.size() == 1;
  const std::int32_t last = UpperBound(fields);
  std::int32_t slot = 0;
  std::string field;
  for (const char c : text) {
    if (!usable || c != separator[0]) {
      field += c;
      continue;
    }
    if (slot < last) fields[static_cast<std::size_t>(++slot)] = field;
    field.clear();
  }
  return slot;
}

}  // namespace testbench
