// Sheets of colour swatches drawn from a colour file.
#include <array>

#include "platform/text_convert.h"
#include "platform/text_file.h"
#include "testbench/colour_tools.h"
#include "testbench/table.h"
#include "testbench/text_fields.h"

namespace testbench {

namespace {

constexpr std::int32_t kFieldSlots = 100;
constexpr int kSwatchSize = 20;
constexpr int kSwatchPitch = 22;
constexpr int kFirstRowY = 10;
constexpr int kLastColumnX = 619;  // a swatch started right of this ends the row
constexpr int kLastRowY = 460;     // rows stop moving down here

// The labelled sheet: cells of a swatch and its label, four to a row.
constexpr int kLabelCellWidth = 160;
constexpr int kLabelGap = 4;
constexpr int kLabelTextDrop = 6;  // centres the 8-pixel text on the swatch
constexpr platform::Colour kLabelText = 0x00FFFFFFu;
constexpr platform::Colour kLabelBackground = 0u;

platform::Colour colourOfFields(const std::vector<std::string>& fields) {
  std::array<std::int64_t, 3> part{};
  for (std::size_t j = 0; j < 3; ++j) part[j] = static_cast<std::int64_t>(platform::textToNumber(fields[j + 1]));
  return static_cast<platform::Colour>(part[0] * 65536 + part[1] * 256 + part[2]);
}

}  // namespace

void DrawPaletteSheet(platform::Image& image, const std::string& colourFile, const std::string& outFile) {
  platform::TextFileReader in(colourFile);
  auto fields = MakeTable<std::string>(kFieldSlots);
  int x = 0;
  int y = kFirstRowY;
  while (!in.eof()) {
    SplitFields(in.readLine(), ",", fields);
    platform::fillBox(image, x, y, x + kSwatchSize - 1, y + kSwatchSize - 1, colourOfFields(fields));
    if (x > kLastColumnX) {
      x = 0;
      if (y < kLastRowY) y += kSwatchPitch;
    } else {
      x += kSwatchPitch;
    }
  }
  platform::saveBmp(image, outFile);
}

void DrawLabelledPaletteSheet(platform::Image& image, const std::string& colourFile, const std::string& outFile) {
  platform::TextFileReader in(colourFile);
  auto fields = MakeTable<std::string>(kFieldSlots);
  int x = 0;
  int y = kFirstRowY;
  std::int64_t line = 0;
  while (!in.eof()) {
    const std::string text = in.readLine();
    ++line;
    SplitFields(text, ",", fields);
    platform::fillBox(image, x, y, x + kSwatchSize - 1, y + kSwatchSize - 1, colourOfFields(fields));
    // The label sits on a dark strip of its own, readable on any sheet.
    const int labelX = x + kSwatchSize + kLabelGap;
    platform::fillBox(image, labelX, y, x + kLabelCellWidth - 1, y + kSwatchSize - 1, kLabelBackground);
    platform::drawPixelText(image, labelX, y + kLabelTextDrop, platform::toText(line) + " " + text, kLabelText);
    if (x + 2 * kLabelCellWidth > image.width) {
      x = 0;
      if (y < kLastRowY) y += kSwatchPitch;
    } else {
      x += kLabelCellWidth;
    }
  }
  platform::saveBmp(image, outFile);
}

}  // namespace testbench
