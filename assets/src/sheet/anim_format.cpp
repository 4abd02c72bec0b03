#include "anim_format.h"

#include <charconv>

#include "required_codes.h"

namespace assets {
namespace {

// Splits text into fields the way the game reads them.
std::vector<std::string_view> splitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') ++i;
    fields.push_back(text.substr(start, i - start));
    if (i >= text.size()) break;
    if (text[i] == ',') {
      ++i;
      // A comma right before the end of the text still ends a field.
      continue;
    }
    // A line end: CR LF, LF or a lone CR counts once.
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    ++i;
  }
  return fields;
}

std::optional<int> toInt(std::string_view field) {
  while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
  int value = 0;
  const char* first = field.data();
  if (!field.empty() && field.front() == '+') ++first;
  const auto [end, ec] = std::from_chars(first, field.data() + field.size(), value);
  if (ec != std::errc() || end != field.data() + field.size() || field.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::string formatAnimData(std::span<const AnimRecord> records) {
  std::string out = "KESTREL ANIMATION TABLE\r\n";
  for (const AnimRecord& r : records) {
    out += std::to_string(r.code) + "," + std::to_string(r.frames.size());
    for (const SheetRect& f : r.frames) {
      out += "," + std::to_string(f.x1) + "," + std::to_string(f.y1) + "," + std::to_string(f.x2) + "," +
             std::to_string(f.y2);
    }
    out += "," + std::to_string(r.points) + "," + std::to_string(r.width) + "," + std::to_string(r.height) + "\r\n";
  }
  return out;
}

std::optional<std::vector<AnimRecord>> parseAnimData(std::string_view text, std::string& error) {
  std::vector<std::string_view> fields = splitFields(text);
  // A final line end leaves no empty field behind; blank trailing lines are
  // tolerated by dropping empty fields at the very end.
  while (!fields.empty() && fields.back().empty()) fields.pop_back();
  if (fields.empty()) {
    error = "no header field";
    return std::nullopt;
  }
  std::vector<AnimRecord> records;
  std::size_t i = 1;
  auto next = [&](const char* what) -> std::optional<int> {
    if (i >= fields.size()) {
      error = std::string("record cut short before its ") + what;
      return std::nullopt;
    }
    const std::optional<int> v = toInt(fields[i]);
    if (!v) error = std::string("field ") + std::to_string(i + 1) + " (" + what + ") is not a number";
    ++i;
    return v;
  };
  while (i < fields.size()) {
    AnimRecord r;
    const auto code = next("animation number");
    if (!code) return std::nullopt;
    const auto count = next("frame count");
    if (!count) return std::nullopt;
    if (*count < 0 || *count > kMaxFrames) {
      error = "animation " + std::to_string(*code) + " has " + std::to_string(*count) + " frames (0 to 7 allowed)";
      return std::nullopt;
    }
    r.code = *code;
    for (int f = 0; f < *count; ++f) {
      const auto x1 = next("frame x1");
      const auto y1 = next("frame y1");
      const auto x2 = next("frame x2");
      const auto y2 = next("frame y2");
      if (!x1 || !y1 || !x2 || !y2) return std::nullopt;
      r.frames.push_back({*x1, *x2, *y1, *y2});
    }
    const auto points = next("point value");
    const auto width = next("width");
    const auto height = next("height");
    if (!points || !width || !height) return std::nullopt;
    r.points = *points;
    r.width = *width;
    r.height = *height;
    records.push_back(std::move(r));
  }
  return records;
}

}  // namespace assets
