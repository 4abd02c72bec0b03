#include <gtest/gtest.h>

#include <string>

#include "sheet/anim_format.h"
#include "sheet/catalog.h"
#include "sheet/required_codes.h"

namespace assets {
namespace {

TEST(AnimFormat, WritesCornersInFileOrderAndReadsThemBack) {
  const std::vector<AnimRecord> records{{7, {{1, 2, 3, 4}, {10, 20, 30, 40}}, 50, 6, 7}, {9, {}, 0, 1, 1}};
  const std::string text = formatAnimData(records);
  // x1, y1, x2, y2 in the file; x1, x2, y1, y2 in the record.
  EXPECT_EQ(text, "KESTREL ANIMATION TABLE\r\n7,2,1,3,2,4,10,30,20,40,50,6,7\r\n9,0,0,1,1\r\n");
  std::string error;
  const auto back = parseAnimData(text, error);
  ASSERT_TRUE(back.has_value()) << error;
  EXPECT_EQ(*back, records);
}

TEST(AnimFormat, ReadsFieldsTheWayTheGameDoes) {
  // Leading blanks, LF or CR LF line ends, records broken over lines, a
  // header holding blanks.
  const std::string text = "any header text\n  3, 1\r\n 0, 0 ,5,5\n20,6,6";
  std::string error;
  const auto records = parseAnimData(text, error);
  ASSERT_TRUE(records.has_value()) << error;
  ASSERT_EQ(records->size(), 1u);
  const AnimRecord expected{3, {{0, 5, 0, 5}}, 20, 6, 6};
  EXPECT_EQ(records->front(), expected);
}

TEST(AnimFormat, RefusesMalformedText) {
  const struct {
    const char* text;
    const char* reason;
  } cases[] = {
      {"", "no header"},
      {"h\r\n1,8,0,0,1,1,0,0,1,1,0,0,1,1,0,0,1,1,0,0,1,1,0,0,1,1,0,0,1,1,0,0,1,1,0,1,1\r\n", "8 frames"},
      {"h\r\n1,1,0,0,1\r\n", "cut short"},
      {"h\r\n1,1,0,0,1,x,0,1,1\r\n", "not a number"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(parseAnimData(c.text, error).has_value()) << c.text;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
}

TEST(AnimFormat, TheGamesTableRoundTripsWithAtMostSevenFrames) {
  const std::vector<AnimRecord> records = buildAnimRecords();
  std::string error;
  const auto back = parseAnimData(formatAnimData(records), error);
  ASSERT_TRUE(back.has_value()) << error;
  EXPECT_EQ(*back, records);
  for (const AnimRecord& r : records) {
    EXPECT_GE(r.frames.size(), 1u) << r.code;
    EXPECT_LE(r.frames.size(), static_cast<std::size_t>(kMaxFrames)) << r.code;
  }
}

}  // namespace
}  // namespace assets
