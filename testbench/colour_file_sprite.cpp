// Loading a sprite in the colours of a colour file.
#include <optional>

#include "platform/text_convert.h"
#include "testbench/colour_scan.h"
#include "testbench/colour_tools.h"
#include "testbench/table.h"
#include "testbench/text_fields.h"

namespace testbench {

namespace {

constexpr std::int32_t kFieldSlots = 100;

// The new colour a line asks for; none for "NULL" or a line without a full
// colour text.
std::optional<platform::Colour> lineColour(const std::string& line) {
  if (line == "NULL") return std::nullopt;
  auto fields = MakeTable<std::string>(kFieldSlots);
  if (SplitFields(line, ",", fields) < 3) return std::nullopt;
  std::int64_t value = 0;
  for (std::size_t j = 1; j <= 3; ++j) value = value * 256 + static_cast<std::int64_t>(platform::textToNumber(fields[j]));
  return static_cast<platform::Colour>(value);
}

}  // namespace

void SpriteLoadWithColours(Sprite& sprite, const std::string& file, const std::string& colourFile) {
  SpriteLoad(sprite, file);
  platform::Image& image = *sprite.image;
  const ColourScan scan = ScanColours(sprite.width, sprite.height, image, kColourWorkSlots);
  if (scan.rgb.empty()) return;
  auto lines = MakeTable<std::string>(static_cast<std::int32_t>(scan.rgb.size()));
  const std::int32_t loaded = LoadLines(colourFile, lines);
  std::vector<std::optional<platform::Colour>> newColour(scan.rgb.size() + 1);
  for (std::int32_t k = 1; k <= loaded; ++k) newColour[static_cast<std::size_t>(k)] = lineColour(lines[static_cast<std::size_t>(k)]);

  ForEachColouredPixel(sprite.width, sprite.height, image, [&](platform::Colour& pixel) {
    const auto found = scan.slot.find(RgbOf(pixel));
    if (found == scan.slot.end()) return;
    if (const auto& colour = newColour[static_cast<std::size_t>(found->second)]) pixel = *colour;
  });
}

}  // namespace testbench
