#include "sheet/catalog.h"

#include <algorithm>

#include "art/art.h"
#include "art/font.h"
#include "sheet/sprite_layout.h"
#include "sheet/sprite_stats.h"

namespace assets {
namespace {

void add(std::vector<Picture>& out, std::string name, SheetRect rect, std::function<void(View&)> paint,
         bool sharesEdge = false) {
  out.push_back({{std::move(name), rect, sharesEdge}, std::move(paint)});
}

SheetRect stripFrame(const SpriteStrip& s, int k) {
  const int x = s.x + k * s.width;
  return {x, x + s.width - 1, s.y, s.y + s.height - 1};
}

}  // namespace

std::vector<Picture> buildCatalog() {
  std::vector<Picture> out;
  // Pixels the font's unset glyphs, the space and ';' draw: they stay blank.
  add(out, "blank glyph area", {0, 10, 0, 1}, [](View&) {});
  add(out, "blank ';' glyph", {0, 1, 107, 119}, [](View&) {});

  add(out, "title picture", kTitlePicture, paintTitle);
  add(out, "menu logo", kMenuLogo, paintLogo);
  add(out, "menu picture", kMenuPicture, paintMenu);
  add(out, "left pointer", kPointerLeft, [](View& v) { paintPointer(true, v); });
  add(out, "right pointer", kPointerRight, [](View& v) { paintPointer(false, v); });
  add(out, "high-score title", kHighScoreTitle, paintHighScoreTitle);
  add(out, "score label", kScoreLabel, paintScoreLabel);
  add(out, "boss bar frame", kBossBarFrame, paintBossBarFrame);
  add(out, "boss bar end cap", kBossBarEndCap, paintBossBarCap);
  add(out, "boss bar fill", kBossBarFill, paintBossBarFill);
  add(out, "life icon", kLifeIcon, paintLifeIcon);
  add(out, "player frame 1", kPlayerFrame1, [](View& v) { paintPlayer(1, v); });
  add(out, "player frame 2", kPlayerFrame2, [](View& v) { paintPlayer(2, v); });
  add(out, "player frame 3", kPlayerFrame3, [](View& v) { paintPlayer(3, v); });
  add(out, "sea tile 0", kSeaTile0, [](View& v) { paintSeaTile(0, v); });
  add(out, "sea tile 1", kSeaTile1, [](View& v) { paintSeaTile(1, v); });

  for (const Glyph& g : kGlyphs) {
    add(out, std::string("glyph '") + g.ch + "'", g.rect, [&g](View& v) { paintGlyph(g, v); }, true);
  }

  for (const SpriteStrip& s : kSpriteStrips) {
    for (int k = 0; k < s.frames; ++k) {
      const int code = s.code;
      const int frame = s.firstFrame + k;
      add(out, "code " + std::to_string(code) + " frame " + std::to_string(frame), stripFrame(s, k),
          [code, frame](View& v) { paintSprite(code, frame, v); });
    }
  }
  return out;
}

std::vector<AnimRecord> buildAnimRecords() {
  std::vector<AnimRecord> records;
  for (const SpriteStats& st : kSpriteStats) {
    AnimRecord r;
    r.code = st.code;
    r.points = st.points;
    r.width = st.width;
    r.height = st.height;
    std::vector<std::pair<int, SheetRect>> frames;
    for (const SpriteStrip& s : kSpriteStrips) {
      if (s.code != st.code) continue;
      for (int k = 0; k < s.frames; ++k) frames.emplace_back(s.firstFrame + k, stripFrame(s, k));
    }
    std::sort(frames.begin(), frames.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& f : frames) r.frames.push_back(f.second);
    records.push_back(std::move(r));
  }
  return records;
}

std::vector<PlacedPicture> placements(std::span<const Picture> pictures) {
  std::vector<PlacedPicture> out;
  out.reserve(pictures.size());
  for (const Picture& p : pictures) out.push_back(p.place);
  return out;
}

Canvas paintSheet(std::span<const Picture> pictures, std::vector<std::string>& problems) {
  Canvas sheet(kSheetWidth, kSheetHeight);
  for (const Picture& p : pictures) {
    const SheetRect r = p.place.rect;
    Canvas own(rectWidth(r), rectHeight(r));
    View v(own);
    p.paint(v);
    int conflicts = 0;
    for (int y = 0; y < own.height(); ++y) {
      for (int x = 0; x < own.width(); ++x) {
        const Colour c = own.at(x, y);
        if (c == kTransparent) continue;
        const Colour there = sheet.at(r.x1 + x, r.y1 + y);
        if (there != kTransparent && there != c) ++conflicts;
        sheet.set(r.x1 + x, r.y1 + y, c);
      }
    }
    if (conflicts > 0) {
      problems.push_back(p.place.name + " paints over " + std::to_string(conflicts) + " pixels of another picture");
    }
  }
  return sheet;
}

}  // namespace assets
