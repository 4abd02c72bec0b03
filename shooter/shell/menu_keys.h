// Key handling that several screens share.
#pragma once

namespace shooter {

// Down and Up move the menu cursor one item, wrapping at either end.
void moveMenuCursor(int items);
// The screens that only wait to be left: Esc, Enter or Space through the
// key gate go back to the main menu.
void leaveToMenuOnKey();

}  // namespace shooter
