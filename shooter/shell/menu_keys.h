// Key handling that several screens share.
#pragma once

namespace shooter {

// Down and Up move the menu cursor one item, wrapping at either end.
void moveMenuCursor(int items);
// The screens that only wait to be left: Esc, Enter or Space through the
// key gate go back to the main menu.
void leaveToMenuOnKey();

// Declares a column of menu items to a touch screen: tapping item i moves the
// cursor there the shorter way round and chooses it with Enter, the keys the
// keyboard would send. Item i spans firstTop + i * pitch for one pitch.
void declareMenuTaps(int items, int left, int right, double firstTop, double pitch);
// A tap anywhere on the screen goes on as Enter does.
void declareTapAnywhere();

}  // namespace shooter
