#pragma once
#include "ui/desktop/DrawnBoard.h"

// What assistive technology finds of the board surface: the board's tree
// (ui::desktop::AccessibilityTree) as Qt interfaces, one for each node. The
// surface's own interface is the table's; its cells and their parts are no widgets.
namespace ui::qt {

class BoardSurface;

// Lets Qt find the surface's interface; once for the application, and cheap after.
void installBoardAccessibility();

// Tells assistive technology what the board says changed, if any is listening;
// nothing is made when none is.
void announceOnBoard(BoardSurface& surface, ui::desktop::Part node, ui::desktop::BoardView::Announcement what);

} // namespace ui::qt
