#pragma once
#include <span>

#include "ui/desktop/DrawnBoard.h"
#include "ui/desktop/Painter.h"

namespace ui::desktop {

// Draws what of the board lies in `areas`, each on its own and clipped to it, so
// that a cell draws again only the candidates within the area, in the order both
// desktops paint it: the window's colour in the gaps, the boxes, then each cell's
// label and its shown candidates.
void drawBoard(const DrawnBoard& board, Painter& painter, std::span<const Rect> areas);

} // namespace ui::desktop
