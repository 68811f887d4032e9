#pragma once
#include <cstdint>

#include "ui/qt/CellWidget.h"

// What assistive technology finds of a cell: the cell itself with the label and
// the nine candidate buttons as its children, the label as static text named by
// the digit it shows and each button as a push button with its own name, states
// and press action, as though each were a widget of its own.
namespace ui::qt {

// Lets Qt find the cell's interface; once for the application, and cheap after.
void installCellAccessibility();

// Tells assistive technology what changed of a candidate or the label, if any is
// listening; nothing is made when none is.
void announce(CellWidget& cell, std::int16_t part, ui::CellView::Change change);

} // namespace ui::qt
