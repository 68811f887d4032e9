#pragma once
#include "ui/desktop/DrawnBoard.h"

// What assistive technology finds of the board surface: the board's own tree
// (ui::desktop::AccessibleBoard) as Qt interfaces that are no widgets, the board
// a table of 9 by 9 whose cells hold their candidates and their label.
namespace ui::qt {

class BoardSurface;

// Lets Qt find the surface's interface; once for the application, and cheap after.
void installBoardAccessibility();

// Tells assistive technology what the board says changed, if any is listening;
// nothing is made when none is.
void announceOnBoard(BoardSurface& surface, ui::desktop::Part part, ui::desktop::BoardView::Announcement what);

} // namespace ui::qt
