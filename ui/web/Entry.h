#pragma once
#include "ui/web/WebControls.h"

// How the page starts the board; clicks come back through the exported
// orvane_click (Entry.cpp), which dispatches them.
namespace ui::web {

// Builds the board in the page and shows it. A failure on the way stops the
// page as a failing click does.
void startBoard();

// The board window in the page; null before startBoard.
WebBoardWindow* boardWindow();

} // namespace ui::web
