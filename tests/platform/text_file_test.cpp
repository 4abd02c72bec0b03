// The field and line rules of the data files, and number conversions.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "platform/text_convert.h"
#include "platform/text_file.h"

using namespace platform;

TEST(TextFields, EndAtCommaOrAnyLineEndAndSkipLeadingBlanks) {
  auto r = TextFileReader::fromText("  a b,c\r\nd\ne\r, \"x,y\" ,z\r\n");
  EXPECT_EQ(r.readField(), "a b");
  EXPECT_EQ(r.readField(), "c");
  EXPECT_EQ(r.readField(), "d");
  EXPECT_EQ(r.readField(), "e");
  EXPECT_EQ(r.readField(), "");
  EXPECT_EQ(r.readField(), "x,y") << "a quoted field keeps its commas";
  EXPECT_EQ(r.readField(), "z");
  EXPECT_TRUE(r.eof());
  EXPECT_EQ(r.readField(), "") << "reading past the end gives empty fields";
}

TEST(TextFields, LinesAndEmptyText) {
  auto r = TextFileReader::fromText("one, two\r\n\r\nthree");
  EXPECT_EQ(r.readLine(), "one, two");
  EXPECT_EQ(r.readLine(), "");
  EXPECT_FALSE(r.eof());
  EXPECT_EQ(r.readLine(), "three");
  EXPECT_TRUE(r.eof());
  EXPECT_TRUE(TextFileReader::fromText("").eof());
  EXPECT_FALSE(TextFileReader("/nonexistent/file").isOpen());
}

TEST(TextFields, WriterEndsLinesWithCrLf) {
  TextFileWriter w;
  w.writeLine("2");
  w.writeLine("");
  EXPECT_EQ(w.text(), "2\r\n\r\n");
}

TEST(BinaryRead, LittleEndianAtOffsetAndZeroWhenShort) {
  const std::string path = testing::TempDir() + "bin.dat";
  {
    std::ofstream out(path, std::ios::binary);
    out << std::string("\x00\x01\x02\x03\x04\xFF\xFF\xFF\xFF", 9);
  }
  EXPECT_EQ(readInt32At(path, 1), 0x04030201);
  EXPECT_EQ(readInt32At(path, 5), -1);
  EXPECT_EQ(readInt32At(path, 6), 0) << "only three bytes left";
  EXPECT_EQ(readInt32At(path, 1ull << 62), 0);
  EXPECT_EQ(readInt32At("/nonexistent/file", 0), 0);
  EXPECT_TRUE(fileExists(path));
  EXPECT_FALSE(fileExists("/nonexistent/file"));
  std::remove(path.c_str());
}

TEST(Conversions, UnsignedFieldsWithBasePrefixesStopAtFirstMisfit) {
  EXPECT_EQ(parseUnsigned("50"), 50u);
  EXPECT_EQ(parseUnsigned("&H1F"), 31u);
  EXPECT_EQ(parseUnsigned("&hff"), 255u);
  EXPECT_EQ(parseUnsigned("&B101"), 5u);
  EXPECT_EQ(parseUnsigned("&O17"), 15u);
  EXPECT_EQ(parseUnsigned("&B1021"), 2u) << "2 does not fit binary";
  EXPECT_EQ(parseUnsigned("12abc"), 12u);
  EXPECT_EQ(parseUnsigned("  7"), 7u);
  EXPECT_EQ(parseUnsigned(""), 0u);
  EXPECT_EQ(parseUnsigned("-5"), 0u);
  EXPECT_EQ(parseUnsigned("&Z12"), 0u);
  EXPECT_EQ(parseUnsigned("300") & 0xFFu, 44u) << "callers keep the low 8 bits";
  EXPECT_EQ(parseUnsigned("99999999999999999999999"), parseUnsigned("99999999999999999999999"))
      << "overflow wraps without undefined behaviour";
}

TEST(Conversions, SignedAndDecimalTexts) {
  EXPECT_EQ(parseInt32("-12"), -12);
  EXPECT_EQ(parseInt32("+7x"), 7);
  EXPECT_EQ(parseInt32("99999999999"), 2147483647);
  EXPECT_EQ(parseInt32("-99999999999"), -2147483647 - 1);
  EXPECT_EQ(parseInt32("abc"), 0);
  EXPECT_EQ(toText(std::int64_t{-7}), "-7");
  EXPECT_EQ(toText(3.0), "3");
  EXPECT_EQ(toText(0.0016), "0.0016");
  EXPECT_DOUBLE_EQ(textToNumber(" 12.5kg"), 12.5);
  EXPECT_DOUBLE_EQ(textToNumber("x1"), 0.0);
  EXPECT_DOUBLE_EQ(textToNumber(""), 0.0);
}

TEST(WholeFiles, DevicesAndFoldersAreNotRead) {
  EXPECT_FALSE(readWholeFile("/dev/zero"));
  EXPECT_FALSE(readWholeFile("/tmp"));
  EXPECT_FALSE(TextFileReader("/dev/urandom").isOpen());
  const std::string path = testing::TempDir() + "empty.txt";
  std::ofstream(path).close();
  ASSERT_TRUE(readWholeFile(path));
  EXPECT_EQ(readWholeFile(path)->size(), 0u);
  std::remove(path.c_str());
}
