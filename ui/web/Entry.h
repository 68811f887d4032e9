#pragma once
#include "ui/web/WebControls.h"

// How the page starts the board; clicks, keys, undo and redo come back through
// the functions Entry.cpp exports, which dispatch them.
namespace ui::web {

// Builds the board in the page and shows it. A failure on the way stops the
// page as a failing click does.
void startBoard();

// The board window in the page; null before startBoard.
WebBoardWindow* boardWindow();

} // namespace ui::web
