#include "ui/desktop/BoardDrawing.h"

namespace ui::desktop {
namespace {

// The label over the whole cell, then each shown candidate: its face, a raised
// edge (sunk while held down, its caption a pixel down and right), the caption,
// embossed while barred as a disabled caption is (a highlight a pixel down and
// right beneath the shadow), and the focus frame; last the frame of a cell that
// holds the focus itself.
void drawCell(const DrawnBoard& board, Painter& painter, std::int16_t ordinal, const Rect& dirty)
{
    const DrawnCell& drawn = board.cell(ordinal);
    const Rect whole = board.placeOf({ordinal, Part::label});
    painter.fill(whole, designs::lbl.face);
    if (!drawn.caption().empty())
        painter.label(whole, drawn.caption(), designs::lblText);
    for (std::int16_t i = 0; i < DrawnCell::size; ++i) {
        const DrawnCell::Look look = drawn.look(i);
        const Rect place = board.placeOf({ordinal, i});
        if (!look.visible || !place.intersects(dirty))
            continue;
        painter.fill(place, look.face);
        painter.edge(place, look.down);
        const Rect caption = look.down ? place.moved(1, 1) : place;
        if (!look.enabled)
            painter.caption(caption.moved(1, 1), i, SysColor::ButtonHighlight);
        painter.caption(caption, i, look.enabled ? SysColor::ButtonText : SysColor::ButtonShadow);
        if (look.focused)
            painter.focusFrame(place.inset(3));
    }
    if (drawn.focusedItself())
        painter.focusFrame(whole);
}

} // namespace

void drawBoard(const DrawnBoard& board, Painter& painter, std::span<const Rect> areas)
{
    for (const Rect& dirty : areas) {
        painter.clip(dirty);
        painter.fill(dirty, designs::orvaneMain.back);
        for (std::int16_t b = 0; b < 9; ++b)
            if (board.placeOfBox(b).intersects(dirty))
                painter.fill(board.placeOfBox(b), designs::usrcntGrid.at(static_cast<std::size_t>(b)).face);
        for (std::int16_t n = 0; n < DrawnBoard::cells; ++n)
            if (board.placeOf({n}).intersects(dirty))
                drawCell(board, painter, n, dirty);
    }
}

} // namespace ui::desktop
