// kestrel_art_preview: composes mock screens from the generated sheet, the
// way the game draws them (sprites with magenta skipped, the sprite font,
// the HUD), so the art can be judged in place: a busy battle and the main
// menu, written as 640x480 BMPs into the folder given, and a labelled
// contact sheet of the whole sheet.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "art/font.h"
#include "gen_kit/bmp24.h"
#include "gen_kit/file_out.h"
#include "sheet/catalog.h"
#include "sheet/sprite_layout.h"

namespace {

using namespace assets;

struct Screen {
  const Canvas& sheet;
  const std::vector<AnimRecord>& records;
  Canvas page{640, 480, 0x000000};

  void blit(int x, int y, SheetRect r, bool transparent = true) {
    for (int sy = r.y1; sy <= r.y2; ++sy) {
      for (int sx = r.x1; sx <= r.x2; ++sx) {
        const Colour c = sheet.at(sx, sy);
        if (transparent && c == kTransparent) continue;
        page.set(x + sx - r.x1, y + sy - r.y1, c);
      }
    }
  }
  void sprite(int code, int frame, int x, int y) {
    for (const AnimRecord& rec : records) {
      if (rec.code == code && frame >= 1 && frame <= static_cast<int>(rec.frames.size())) {
        blit(x, y, rec.frames[static_cast<std::size_t>(frame - 1)]);
      }
    }
  }
  void text(int x, int y, std::string_view s) {
    for (char ch : s) {
      if (ch == ' ') {
        x += 11;
        continue;
      }
      const Glyph* g = findGlyph(ch);
      if (g == nullptr) {
        x += 1;
        continue;
      }
      blit(x, y, g->rect);
      x += rectWidth(g->rect);
    }
  }
  void sea(int phase, int offset) {
    for (int c = 1; c <= 20; ++c) {
      for (int r = 1; r <= 16; ++r) blit(c * 32 - 32, r * 32 + offset, phase == 0 ? kSeaTile0 : kSeaTile1, false);
    }
  }
  void box(int x1, int y1, int x2, int y2, Colour c) {
    for (int y = y1; y <= y2; ++y) {
      for (int x = x1; x <= x2; ++x) page.set(x, y, c);
    }
  }
};

void battle(Screen& s) {
  s.sea(0, -40);
  s.sprite(50, 1, 60, 250);
  s.sprite(52, 2, 520, 120);
  s.sprite(58, 1, 420, 200);
  s.sprite(56, 2, 140, 40);
  s.sprite(53, 1, 560, 330);
  s.sprite(87, 3, 400, 32);
  s.sprite(49, 1, 250, 40);
  s.sprite(1, 1, 100, 150);
  s.sprite(3, 2, 180, 190);
  s.sprite(42, 1, 470, 260);
  s.sprite(47, 1, 60, 40);
  s.sprite(45, 2, 560, 400);
  s.sprite(71, 3, 150, 290);
  s.sprite(70, 2, 300, 190);
  s.sprite(80, 2, 380, 300);
  for (int k = 0; k < 4; ++k) s.sprite(60, 1, 311, 330 - k * 40);
  s.sprite(62, 1, 280, 370);
  s.sprite(63, 1, 342, 370);
  s.sprite(64, 1, 260, 330);
  s.sprite(65, 1, 362, 330);
  s.sprite(68, 1, 280, 110);
  s.sprite(68, 1, 300, 120);
  s.sprite(68, 1, 200, 300);
  s.blit(288, 360, kPlayerFrame1);
  const int barX = 320 - 83;
  s.blit(barX, 460, kBossBarFrame);
  s.blit(barX + 136, 460, kBossBarEndCap);
  for (int i = 1; i <= 90; ++i) s.blit(i + barX + 4, 465, kBossBarFill, false);
  for (int i = 1; i <= 2; ++i) s.blit(4, 480 - 4 - i * 32, kLifeIcon);
  s.blit(2, 20, kScoreLabel);
  s.text(2, 38, "12450");
  s.text(2, 64, "HP: 80");
}

void menu(Screen& s) {
  s.sea(1, -52);
  s.blit(262, 73, kMenuLogo, false);
  s.box(268, 192, 370, 288, 0xFFE700);
  s.blit(269, 193, kMenuPicture);
  s.blit(200, 360, kPlayerFrame2);
  s.text(195, 450, "CLASSIC SKYWARD GAME CLONE");
  s.blit(269 - 12, 193 + 6 + 18, kPointerLeft);
  s.blit(269 + 105, 193 + 6 + 18, kPointerRight);
}

void instructions(Screen& s) {
  s.text(160, 80, "DESTROY EVERY ENEMY YOU CAN!");
  s.text(160, 120, "LIST OF BONUSES:");
  const char* texts[] = {"SHOOT POWER UP", "REPAIR SHIELD", "DESTROYS ALL ENEMIES ON SCREEN", "RESET BOSS TIME",
                         "EXTRA LIFE"};
  const SheetRect icons[] = {kBonusPowerUp, kBonusRepair, kBonusDestroyAll, kBonusResetBoss, kBonusExtraLife};
  for (int k = 0; k < 5; ++k) {
    s.text(180, 160 + 40 * k, texts[k]);
    s.blit(140, 150 + 40 * k, icons[k]);
  }
  s.text(220, 430, "PRESS ENTER TO START!");
  s.blit(262, 20, kHighScoreTitle, false);
}

// The whole sheet at twice its size on a dark checkerboard (for magenta),
// each picture framed, each sprite strip labelled with its code and each
// shell picture with its name.
Canvas contactSheet(const Canvas& sheet, const std::vector<Picture>& pictures) {
  constexpr int kScale = 2;
  Canvas out(sheet.width() * kScale, sheet.height() * kScale);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      const Colour c = sheet.at(x / kScale, y / kScale);
      out.set(x, y, c != kTransparent ? c : (((x / 8) + (y / 8)) % 2 == 0 ? 0x202028 : 0x2c2c36));
    }
  }
  View v(out);
  for (const Picture& p : pictures) {
    const SheetRect r = p.place.rect;
    if (p.place.sharesEdge) continue;
    for (int x = r.x1 * kScale; x <= r.x2 * kScale + 1; ++x) {
      out.set(x, r.y1 * kScale, 0x40c8c8);
      out.set(x, r.y2 * kScale + 1, 0x40c8c8);
    }
    for (int y = r.y1 * kScale; y <= r.y2 * kScale + 1; ++y) {
      out.set(r.x1 * kScale, y, 0x40c8c8);
      out.set(r.x2 * kScale + 1, y, 0x40c8c8);
    }
  }
  auto label = [&](int x, int y, const std::string& text) {
    std::string upper;
    for (char ch : text) upper += static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 32 : ch);
    const int w = fontTextWidth(upper);
    for (int yy = y; yy < y + kGlyphHeight + 1; ++yy) {
      for (int xx = x; xx < x + w + 2; ++xx) out.set(xx, yy, 0x000000);
    }
    drawFontText(v, x + 1, y + 1, upper);
  };
  for (const SpriteStrip& st : kSpriteStrips) {
    if (st.firstFrame == 1) label(st.x * kScale + 2, st.y * kScale + 2, std::to_string(st.code));
  }
  for (const Picture& p : pictures) {
    const std::string& n = p.place.name;
    if (p.place.sharesEdge || n.rfind("code ", 0) == 0 || n.rfind("blank", 0) == 0) continue;
    std::string shortName = n;
    for (char& ch : shortName) {
      if (ch == '-') ch = ' ';
    }
    label(p.place.rect.x1 * kScale + 2, p.place.rect.y2 * kScale - kGlyphHeight, shortName);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kestrel_art_preview OUTPUT_FOLDER\n");
    return 2;
  }
  std::vector<std::string> problems;
  const std::vector<Picture> pictures = buildCatalog();
  const Canvas sheet = paintSheet(pictures, problems);
  const std::vector<AnimRecord> records = buildAnimRecords();
  const std::string dir = std::string(argv[1]) + "/";
  Screen a{sheet, records};
  battle(a);
  Screen b{sheet, records};
  menu(b);
  Screen c{sheet, records};
  instructions(c);
  const bool ok = gen_kit::writeFile(dir + "preview_battle.bmp", encodeBmp24(a.page)) &&
                  gen_kit::writeFile(dir + "preview_menu.bmp", encodeBmp24(b.page)) &&
                  gen_kit::writeFile(dir + "preview_instructions.bmp", encodeBmp24(c.page)) &&
                  gen_kit::writeFile(dir + "contact_sheet.bmp", encodeBmp24(contactSheet(sheet, pictures)));
  return ok ? 0 : 1;
}
