#include <gtest/gtest.h>

#include <vector>

#include "art/font.h"
#include "gen_kit/bmp24.h"
#include "gen_kit/file_out.h"
#include "sheet/catalog.h"
#include "sheet/required_codes.h"

namespace assets {
namespace {

const AnimRecord* record(const std::vector<AnimRecord>& records, int code) {
  for (const AnimRecord& r : records) {
    if (r.code == code) return &r;
  }
  return nullptr;
}

class Sheet : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    pictures_ = new std::vector<Picture>(buildCatalog());
    std::vector<std::string> problems;
    sheet_ = new Canvas(paintSheet(*pictures_, problems));
    paintProblems_ = problems;
  }
  static void TearDownTestSuite() {
    delete sheet_;
    delete pictures_;
  }
  static inline std::vector<Picture>* pictures_ = nullptr;
  static inline Canvas* sheet_ = nullptr;
  static inline std::vector<std::string> paintProblems_;
};

TEST_F(Sheet, PassesTheBuildChecks) {
  const std::vector<PlacedPicture> placed = placements(*pictures_);
  EXPECT_EQ(checkLayout(placed, kSheetWidth, kSheetHeight), std::vector<std::string>{});
  EXPECT_EQ(checkRecords(buildAnimRecords(), kRequiredCodes, placed), std::vector<std::string>{});
  EXPECT_EQ(paintProblems_, std::vector<std::string>{});
}

TEST_F(Sheet, BlankAreasTheFontReadsStayMagenta) {
  // The space and unset glyphs draw (0,0)-(10,1); ';' draws (0,107)-(1,119).
  for (int y = 0; y <= 1; ++y) {
    for (int x = 0; x <= 10; ++x) EXPECT_EQ(sheet_->at(x, y), kTransparent) << x << "," << y;
  }
  for (int y = 107; y <= 119; ++y) {
    for (int x = 0; x <= 1; ++x) EXPECT_EQ(sheet_->at(x, y), kTransparent) << x << "," << y;
  }
}

TEST_F(Sheet, EveryGlyphAndFrameHasInkAndSharedGlyphColumnsStayBlank) {
  for (const Glyph& g : kGlyphs) {
    int ink = 0;
    for (int y = g.rect.y1; y <= g.rect.y2; ++y) {
      for (int x = g.rect.x1; x <= g.rect.x2; ++x) ink += sheet_->at(x, y) != kTransparent ? 1 : 0;
    }
    EXPECT_GT(ink, 4) << g.ch;
    // The last column of every glyph is spacing; it is also the column some
    // neighbours (S and T, Z and '.', '!' and ':') share.
    for (int y = g.rect.y1; y <= g.rect.y2; ++y) EXPECT_EQ(sheet_->at(g.rect.x2, y), kTransparent) << g.ch;
  }
  for (const AnimRecord& r : buildAnimRecords()) {
    for (const SheetRect& f : r.frames) {
      int ink = 0;
      for (int y = f.y1; y <= f.y2; ++y) {
        for (int x = f.x1; x <= f.x2; ++x) ink += sheet_->at(x, y) != kTransparent ? 1 : 0;
      }
      EXPECT_GT(ink, rectWidth(f) * rectHeight(f) / 16) << "code " << r.code;
    }
  }
}

TEST_F(Sheet, OpaquePicturesHaveNoMagentaAndBonusFramesStartAtTheirIcons) {
  // Drawn opaque by the game: any magenta would show as magenta.
  for (SheetRect r : {kTitlePicture, kMenuLogo, kHighScoreTitle, kSeaTile0, kSeaTile1, kBossBarFill}) {
    for (int y = r.y1; y <= r.y2; ++y) {
      for (int x = r.x1; x <= r.x2; ++x) ASSERT_NE(sheet_->at(x, y), kTransparent) << x << "," << y;
    }
  }
  const std::vector<AnimRecord> records = buildAnimRecords();
  const std::pair<int, SheetRect> icons[] = {
      {79, kBonusExtraLife}, {80, kBonusPowerUp}, {81, kBonusDestroyAll}, {82, kBonusRepair}, {83, kBonusResetBoss}};
  for (const auto& [code, icon] : icons) {
    const AnimRecord* r = record(records, code);
    ASSERT_NE(r, nullptr) << code;
    EXPECT_EQ(r->frames.front(), icon) << code;
  }
}

TEST_F(Sheet, SeaTilesWrapWithoutASeam) {
  // Across the wrap the colour steps no more than across the tile's own
  // neighbouring columns and rows, on average.
  for (SheetRect t : {kSeaTile0, kSeaTile1}) {
    auto brightness = [&](int x, int y) {
      const Colour c = sheet_->at(t.x1 + x, t.y1 + y);
      return static_cast<int>(((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF));
    };
    long inside = 0;
    long wrap = 0;
    for (int k = 0; k < 32; ++k) {
      wrap += std::abs(brightness(31, k) - brightness(0, k)) + std::abs(brightness(k, 31) - brightness(k, 0));
      for (int j = 0; j < 31; ++j) inside += std::abs(brightness(j, k) - brightness(j + 1, k));
    }
    EXPECT_LE(static_cast<double>(wrap) / 64.0, 1.5 * static_cast<double>(inside) / (31.0 * 32.0));
  }
}

TEST(Bmp, WritesA24BitBottomUpFile) {
  Canvas c(3, 2);
  c.set(0, 0, 0x112233);
  c.set(2, 1, 0xA0B0C0);
  const std::vector<std::uint8_t> b = encodeBmp24(c);
  // Rows of 9 bytes padded to 12.
  ASSERT_EQ(b.size(), 54u + 24u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(b[28], 24);  // bits per pixel
  EXPECT_EQ(b[22], 2);   // positive height: bottom-up
  // First stored row is the bottom one: (0,1) magenta, ..., (2,1) 0xA0B0C0.
  EXPECT_EQ(b[54], 0xFF);
  EXPECT_EQ(b[55], 0x00);
  EXPECT_EQ(b[56], 0xFF);
  EXPECT_EQ(b[60], 0xC0);
  EXPECT_EQ(b[61], 0xB0);
  EXPECT_EQ(b[62], 0xA0);
  // Second stored row is the top: (0,0) 0x112233 as B, G, R.
  EXPECT_EQ(b[66], 0x33);
  EXPECT_EQ(b[67], 0x22);
  EXPECT_EQ(b[68], 0x11);
}

}  // namespace
}  // namespace assets
