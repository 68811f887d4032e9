#pragma once
#include <optional>

#include "ui/BoardPlace.h"
#include "ui/Keys.h"
#include "ui/web/WebControls.h"

// The board's keys on the page. page.js turns a key typed in the board into a
// verb (Keys.h) and hands it here with the number of the element that has the
// focus; where the focus goes and which candidate the key presses is decided as
// on the desktops (KeyMoves.h), from what the board's buttons show.
namespace ui::web {

struct PageKeyAnswer {
    bool handled = false; // false: the key is not the board's, and the browser acts on it
    int click = -1;       // the element number of the candidate the key presses, if any
};

// Moves the focus where `key`, typed on `element`, takes it, and answers the
// candidate it presses. With `withinBox`, the arrows and Home and End keep to
// the focused cell's box. A held key moves the focus on but presses only once.
PageKeyAnswer answerPageKey(const WebBoardWindow& window, int element, Key key, bool repeat, bool withinBox);

// After an undo or redo typed on `element`. From the board, the focus lands as an
// arrow's would: in the cell a click `touched`, or after a command's, in its own
// cell, where it stays unless what it was on has gone. From anywhere else it stays.
void focusAfterUndo(const WebBoardWindow& window, int element, std::optional<BoxCell> touched);

// After a paste, from anywhere on the page: the focus goes to the board's first
// free candidate, or on a board without one to the first cell itself.
void focusFirstStop(const WebBoardWindow& window);

} // namespace ui::web
