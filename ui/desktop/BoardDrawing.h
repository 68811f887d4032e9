#pragma once
#include "ui/desktop/DrawnBoard.h"
#include "ui/desktop/Painter.h"

namespace ui::desktop {

// Draws what of the board lies in `dirty`, in the order both desktops paint it:
// the window's colour in the gaps, the boxes, then each cell's label and its
// shown candidates. The desktop clips to `dirty`.
void drawBoard(const DrawnBoard& board, Painter& painter, const Rect& dirty);

} // namespace ui::desktop
