// Number <-> text conversions.
#include "platform/text_convert.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace platform {

std::string toText(std::int64_t value) { return std::to_string(value); }

std::string toText(double value) {
  if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<std::int64_t>(value));
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

double textToNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  // strtod needs a terminated string; copy only the plausible numeric prefix.
  std::string prefix;
  for (; i < text.size() && prefix.size() < 64; ++i) {
    const char c = text[i];
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E') {
      prefix += c;
    } else {
      break;
    }
  }
  if (prefix.empty()) return 0.0;
  char* end = nullptr;
  const double v = std::strtod(prefix.c_str(), &end);
  return std::isfinite(v) ? v : 0.0;
}

std::uint64_t parseUnsigned(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  unsigned base = 10;
  if (i + 1 < text.size() && text[i] == '&') {
    switch (std::toupper(static_cast<unsigned char>(text[i + 1]))) {
      case 'H': base = 16; i += 2; break;
      case 'B': base = 2; i += 2; break;
      case 'O': base = 8; i += 2; break;
      default: return 0;
    }
  }
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int c = std::toupper(static_cast<unsigned char>(text[i]));
    unsigned digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      break;
    }
    if (digit >= base) break;
    value = value * base + digit;  // wraps on overflow by design
  }
  return value;
}

std::int32_t parseInt32(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::int64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) {
      value = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    }
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) value = std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) value = std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

}  // namespace platform
