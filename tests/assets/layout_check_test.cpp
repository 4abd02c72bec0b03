#include <gtest/gtest.h>

#include <vector>

#include "sheet/layout_check.h"

namespace assets {
namespace {

constexpr int kW = 100;
constexpr int kH = 50;

TEST(LayoutCheck, FindsOverlapsAndPicturesOffTheSheet) {
  const std::vector<PlacedPicture> pictures{
      {"a", {0, 9, 0, 9}},
      {"b", {9, 20, 5, 12}},    // shares the pixel (9, 5..9) with a
      {"c", {90, 100, 0, 9}},   // one column past the right edge
      {"d", {10, 20, -1, 3}},   // above the top
      {"e", {30, 29, 0, 0}},    // empty
      {"f", {40, 49, 40, 49}},  // fine
  };
  const std::vector<std::string> problems = checkLayout(pictures, kW, kH);
  ASSERT_EQ(problems.size(), 4u);
  EXPECT_NE(problems[0].find("c at"), std::string::npos);
  EXPECT_NE(problems[1].find("d at"), std::string::npos);
  EXPECT_NE(problems[2].find("e has an empty"), std::string::npos);
  EXPECT_NE(problems[3].find("a at (0,0)-(9,9) overlaps b"), std::string::npos);
}

TEST(LayoutCheck, GlyphsMayShareOneTouchingColumnOnly) {
  // S and T of the font: 619-629 and 629-639 on the same rows.
  const std::vector<PlacedPicture> ok{{"S", {19, 29, 21, 33}, true}, {"T", {29, 39, 21, 33}, true}};
  EXPECT_TRUE(checkLayout(ok, kW, kH).empty());

  // Two columns shared, different rows, or only one side a glyph: refused.
  const std::vector<std::vector<PlacedPicture>> bad{
      {{"S", {19, 29, 21, 33}, true}, {"T", {28, 39, 21, 33}, true}},
      {{"S", {19, 29, 21, 33}, true}, {"T", {29, 39, 22, 34}, true}},
      {{"S", {19, 29, 21, 33}, true}, {"T", {29, 39, 21, 33}, false}},
  };
  for (const auto& pictures : bad) EXPECT_EQ(checkLayout(pictures, kW, kH).size(), 1u);
}

TEST(LayoutCheck, RecordsNeedEveryCodeFramesAndPictures) {
  const std::vector<PlacedPicture> pictures{{"p1", {0, 9, 0, 9}}, {"p2", {10, 19, 0, 9}}};
  const std::vector<int> required{1, 2, 3};
  std::vector<AnimRecord> records{
      {1, {{0, 9, 0, 9}, {10, 19, 0, 9}}, 10, 10, 10},
      {2, {{0, 9, 0, 8}}, 10, 10, 10},      // frame without a picture
      {2, {{0, 9, 0, 9}}, 10, 10, 10},      // second record for code 2
      {4, std::vector<SheetRect>(8, {0, 9, 0, 9}), 0, 10, 10},  // too many frames
      {5, {{0, 9, 0, 9}}, 0, 0, 10},        // no collision size
  };
  const std::vector<std::string> problems = checkRecords(records, required, pictures);
  const auto mentions = [&](const std::string& text) {
    for (const std::string& p : problems) {
      if (p.find(text) != std::string::npos) return true;
    }
    return false;
  };
  EXPECT_EQ(problems.size(), 5u);
  EXPECT_TRUE(mentions("code 2 has 2 records"));
  EXPECT_TRUE(mentions("code 3 has no animation record"));
  EXPECT_TRUE(mentions("animation 2 frame 1 at (0,0)-(9,8) has no picture"));
  EXPECT_TRUE(mentions("animation 4 has 8 frames"));
  EXPECT_TRUE(mentions("animation 5 has no collision size"));
}

}  // namespace
}  // namespace assets
