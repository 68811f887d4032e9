#pragma once
#include "ui/Keys.h"
#include "ui/web/WebControls.h"

// The board's keys on the page. page.js turns a key typed in the board into a
// verb (Keys.h) and hands it here with the number of the element that has the
// focus; where the focus goes and which candidate the key presses is decided as
// on the desktops (KeyMoves.h), from what the board's buttons show.
namespace ui::web {

struct PageKeyAnswer {
    bool handled = false; // false: the key is not the board's, and the browser acts on it
    Button* click = nullptr;
};

// Moves the focus where `key`, typed on `element`, takes it, and answers the
// candidate it presses. With `withinBox`, the arrows and Home and End keep to
// the focused cell's box. A held key moves the focus on but presses only once.
PageKeyAnswer answerPageKey(WebBoardWindow& window, int element, Key key, bool repeat, bool withinBox);

} // namespace ui::web
