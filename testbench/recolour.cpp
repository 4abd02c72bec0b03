// Recolouring images from lists of colour texts.
#include <algorithm>
#include <array>

#include "platform/text_convert.h"
#include "testbench/colour_scan.h"
#include "testbench/colour_tools.h"
#include "testbench/table.h"
#include "testbench/text_fields.h"

namespace testbench {

namespace {

constexpr std::int32_t kFieldSlots = 100;
constexpr std::int32_t kShadeStep = 4;

// A replacement text split once: how many fields it stores and the first
// three of them. A text with fewer fields leaves the later ones as the
// previous pixel's split left them, as a shared field table would.
struct SplitColour {
  std::int32_t stored = 0;
  std::array<double, 3> part{};
};

SplitColour splitColour(const std::string& text) {
  auto fields = MakeTable<std::string>(kFieldSlots);
  SplitColour split;
  split.stored = SplitFields(text, ",", fields);
  for (std::size_t j = 0; j < 3; ++j) split.part[j] = platform::textToNumber(fields[j + 1]);
  return split;
}

platform::Colour rgbColour(const std::array<double, 3>& part) {
  const auto value = static_cast<std::int64_t>(part[0]) * 65536 + static_cast<std::int64_t>(part[1]) * 256 +
                     static_cast<std::int64_t>(part[2]);
  return static_cast<platform::Colour>(value);
}

std::string shiftedText(std::uint32_t rgb, std::int32_t delta) {
  std::string text;
  for (const int shift : {16, 8, 0}) {
    const auto component = static_cast<std::int32_t>((rgb >> shift) & 0xFFu);
    text += platform::toText(std::int64_t{std::clamp(component + delta, 0, 255)});
    text += ",";
  }
  return text;
}

void shadeImage(std::int32_t width, std::int32_t height, platform::Image& image, std::int32_t count,
                std::int32_t delta) {
  const ColourScan scan = ScanColours(width, height, image, count);
  auto replacements = MakeTable<std::string>(count);
  for (std::size_t k = 0; k < scan.rgb.size(); ++k) replacements[k + 1] = shiftedText(scan.rgb[k], delta);
  RecolourImage(width, height, image, count, replacements);
}

}  // namespace

void RecolourImage(const std::int32_t& width, const std::int32_t& height, platform::Image& image,
                   const std::int32_t& count, const std::vector<std::string>& replacements) {
  const ColourScan scan = ScanColours(width, height, image, count);
  // Replacements past the end of their table are taken as missing.
  const auto usable = static_cast<std::size_t>(std::min<std::int32_t>(UpperBound(replacements), count));
  std::vector<SplitColour> splits(usable + 1);
  for (std::size_t k = 1; k <= usable && k <= scan.rgb.size(); ++k) splits[k] = splitColour(replacements[k]);

  std::array<double, 3> current{};
  ForEachColouredPixel(width, height, image, [&](platform::Colour& pixel) {
    const auto found = scan.slot.find(RgbOf(pixel));
    if (found == scan.slot.end()) return;
    const auto k = static_cast<std::size_t>(found->second);
    if (k > usable) return;
    const SplitColour& split = splits[k];
    for (std::size_t j = 0; j < 3 && static_cast<std::int32_t>(j) < split.stored; ++j) current[j] = split.part[j];
    pixel = rgbColour(current);
  });
}

void DarkenImage(const std::int32_t& width, const std::int32_t& height, platform::Image& image,
                 const std::int32_t& count) {
  shadeImage(width, height, image, count, -kShadeStep);
}

void LightenImage(const std::int32_t& width, const std::int32_t& height, platform::Image& image,
                  const std::int32_t& count) {
  shadeImage(width, height, image, count, kShadeStep);
}

void ReplaceImageColour(const platform::Colour& oldColour, const platform::Colour& newColour,
                        const std::int32_t& width, const std::int32_t& height, platform::Image& image) {
  const int w = std::min(width, image.width);
  const int h = std::min(height, image.height);
  for (int y = 0; y < h; ++y) {
    platform::Colour* row = image.row(y);
    for (int x = 0; x < w; ++x) {
      if (row[x] == oldColour) row[x] = newColour;
    }
  }
}

}  // namespace testbench
