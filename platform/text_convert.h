// Conversions between numbers and the plain decimal texts the programs show
// and store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Plain decimal, no leading space: 42 -> "42", -7 -> "-7".
std::string toText(std::int64_t value);
// Integral values print as whole numbers ("3"); others with up to 15
// significant digits ("0.0016").
std::string toText(double value);

// The number in the leading part of the text (after blanks): "12abc" -> 12,
// "-3.5" -> -3.5, "" or "abc" -> 0.
double textToNumber(std::string_view text);

// The unsigned reading of a stored field: decimal, or hexadecimal, binary or
// octal after a leading "&H", "&B" or "&O" (any letter case). Conversion stops
// at the first character that does not fit the base; an empty field gives 0.
// Wraps modulo 2^64, so callers that keep the low 8 or 32 bits get those bits.
std::uint64_t parseUnsigned(std::string_view text);

// The signed decimal reading of a stored field ("-12" -> -12), clamped to the
// 32-bit range; non-numeric text gives 0.
std::int32_t parseInt32(std::string_view text);

}  // namespace platform
