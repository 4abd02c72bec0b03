// Who made the game.
#include <array>

#include "platform/platform.h"
#include "shooter/resources/sprite_sheet.h"
#include "shooter/shell/menu_keys.h"
#include "shooter/shell/screens.h"
#include "shooter/shell/shell_state.h"

namespace shooter {

namespace {

// The sprite font has capitals, digits, space and ".:;!" only, and each line
// must end inside a 512-pixel screen.
struct CreditLine {
  int dy;
  const char* text;
};

constexpr auto kCredits = std::to_array<CreditLine>({
    {-120, "PROGRAMMED IN"},
    {-105, "                   C PLUS PLUS AND SDL2"},
    {-70, "PROGRAMMED BY"},
    {-55, "                   NIGHTQUILL"},
    {-20, "USING GRAPHIC FROM"},
    {-5, "                   SPRITE LIB GPL"},
    {30, "USING SOUNDS FROM"},
    {45, "                   KESTREL SOUND CODE"},
});
static_assert(kCredits.size() == 8);

}  // namespace

void creditsScreen() {
  leaveToMenuOnKey();
  declareTapAnywhere();
  platform::clearWorkPage();
  for (const auto& line : kCredits) drawText(centredX(-180), centredY(line.dy), line.text);
  drawText(centredX(-210), platform::screenHeight() - 80, "TO SEE FULL CREDITS LOOK INTO README.TXT");
  drawText(centredX(-180), platform::screenHeight() - 40, "PRESS ENTER TO RETURN TO MENU");
}

}  // namespace shooter
