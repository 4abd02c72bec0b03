// Properties of the built-in 8x8 font that its users rely on.
#include <gtest/gtest.h>

#include <set>

#include "platform/builtin_font.h"

using platform::builtinGlyph;

TEST(BuiltinFont, BlankOutsidePrintableAsciiAndForSpace) {
  for (int code : {0, 10, 31, 32, 127, 200, 255}) {
    for (const auto row : builtinGlyph(static_cast<unsigned char>(code))) EXPECT_EQ(row, 0) << code;
  }
}

TEST(BuiltinFont, EveryPrintableGlyphIsDrawnDistinctAndLeavesASpacingColumn) {
  std::set<std::array<std::uint8_t, 8>> seen;
  for (int code = 33; code <= 126; ++code) {
    const auto& glyph = builtinGlyph(static_cast<unsigned char>(code));
    int lit = 0;
    for (const auto row : glyph) {
      lit += row != 0;
      EXPECT_EQ(row & 1u, 0u) << "column 7 of '" << static_cast<char>(code) << "' must stay blank";
    }
    EXPECT_GT(lit, 0) << static_cast<char>(code);
    EXPECT_TRUE(seen.insert(glyph).second) << "'" << static_cast<char>(code) << "' looks like another glyph";
  }
}
