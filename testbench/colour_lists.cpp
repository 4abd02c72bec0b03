// Collecting, counting, saving and loading colour lists.
#include <algorithm>

#include "platform/file_save.h"
#include "platform/text_file.h"
#include "testbench/colour_scan.h"
#include "testbench/colour_tools.h"
#include "testbench/table.h"
#include "testbench/text_fields.h"

namespace testbench {

ColourScan ScanColours(std::int32_t width, std::int32_t height, const platform::Image& image, std::int32_t maxColours) {
  ColourScan scan;
  const int w = std::min(width, image.width);
  const int h = std::min(height, image.height);
  for (int y = 0; y < h && static_cast<std::int32_t>(scan.rgb.size()) < maxColours; ++y) {
    const platform::Colour* row = image.row(y);
    for (int x = 0; x < w; ++x) {
      if (row[x] == kLibraryKey) continue;
      const std::uint32_t rgb = RgbOf(row[x]);
      if (scan.slot.count(rgb) != 0) continue;
      scan.rgb.push_back(rgb);
      scan.slot.emplace(rgb, static_cast<std::int32_t>(scan.rgb.size()));
      if (static_cast<std::int32_t>(scan.rgb.size()) == maxColours) break;
    }
  }
  return scan;
}

std::int32_t CollectImageColours(const std::int32_t& width, const std::int32_t& height, const platform::Image& image,
                                 std::vector<std::string>& colours) {
  const ColourScan scan = ScanColours(width, height, image, UpperBound(colours));
  for (std::size_t k = 0; k < scan.rgb.size(); ++k) colours[k + 1] = ColourText(scan.rgb[k]);
  return static_cast<std::int32_t>(scan.rgb.size());
}

std::int32_t CountImageColours(const std::int32_t& width, const std::int32_t& height, const platform::Image& image) {
  return static_cast<std::int32_t>(ScanColours(width, height, image, kColourWorkSlots).rgb.size());
}

void SaveImageColours(const std::int32_t& width, const std::int32_t& height, const platform::Image& image,
                      const std::string& file) {
  const ColourScan scan = ScanColours(width, height, image, kColourWorkSlots);
  platform::TextFileWriter out;
  for (const std::uint32_t rgb : scan.rgb) out.writeLine(ColourText(rgb));
  platform::saveFileAtomically(file, out.text());
}

std::int32_t LoadLines(const std::string& file, std::vector<std::string>& lines) {
  platform::TextFileReader in(file);
  const std::int32_t last = UpperBound(lines);
  std::int32_t k = 0;
  do {
    std::string line = in.readLine();
    if (k < last) lines[static_cast<std::size_t>(++k)] = std::move(line);
  } while (!in.eof() && k < last);
  return k;
}

}  // namespace testbench
