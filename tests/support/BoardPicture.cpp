#include "support/BoardPicture.h"

#include <utility>

#include "ui/desktop/BoardDrawing.h"

namespace support {

using ui::desktop::Rect;

BoardPicture::BoardPicture(std::function<void(Part)> onClick) : onClick_(std::move(onClick)), board_(*this, 96)
{
    dirty_.push_back(board_.bounds());
}

ui::desktop::Point BoardPicture::centreOf(Part part) const
{
    const Rect place = board_.placeOf(part);
    return {place.left + place.width / 2, place.top + place.height / 2};
}

std::vector<Rect> BoardPicture::paint()
{
    std::vector<Rect> painted = std::exchange(dirty_, {});
    ui::desktop::drawBoard(board_, *this, painted);
    return painted;
}

bool BoardPicture::showsWhatItHolds()
{
    paint();
    for (std::int16_t n = 0; n < ui::desktop::DrawnBoard::cells; ++n) {
        const ui::desktop::DrawnCell& cell = board_.cell(n);
        if (captions_.at(n) != cell.caption() || cellFrames_.at(n) != cell.focusedItself())
            return false;
        for (std::int16_t i = 0; i < 9; ++i) {
            const auto look = cell.look(i);
            const Drawn& drawn = candidates_.at(n).at(i);
            if (drawn.shown != look.visible)
                return false;
            if (look.visible && (drawn.face != look.face || drawn.embossed == look.enabled || drawn.sunk != look.down ||
                                 drawn.focusFrame != (look.focused && board_.hasFocus())))
                return false;
        }
    }
    return true;
}

void BoardPicture::announce(Part part, Announcement what)
{
    if (what == Announcement::Focus && !(board_.hasFocus() && board_.focus() == part))
        ++focusHeardAway;
    announced.emplace_back(part, what);
}

void BoardPicture::click(Part candidate)
{
    clicked.push_back(candidate);
    onClick_(candidate);
}

// A fill that is not a candidate's square covers whatever it reaches within the
// area drawn; a cell's label fill empties its caption.
void BoardPicture::fill(const Rect& area, ui::SysColor colour)
{
    if (Drawn* candidate = candidateAt(area)) {
        *candidate = {true, false, false, false, colour};
        return;
    }
    for (std::int16_t n = 0; n < ui::desktop::DrawnBoard::cells; ++n) {
        const Rect cell = board_.placeOf({n});
        if (!cell.intersects(area) || !cell.intersects(clip_))
            continue;
        captions_.at(n).clear();
        cellFrames_.at(n) = false;
        for (std::int16_t i = 0; i < 9; ++i) {
            const Rect square = board_.placeOf({n, i});
            if (square.intersects(area) && square.intersects(clip_))
                candidates_.at(n).at(i).shown = false;
        }
    }
}

void BoardPicture::edge(const Rect& area, bool sunk)
{
    if (Drawn* candidate = candidateAt(area))
        candidate->sunk = sunk;
}

// A caption drawn last in the shadow's colour is embossed.
void BoardPicture::caption(const Rect& area, int, ui::SysColor colour)
{
    if (Drawn* candidate = candidateAt(area))
        candidate->embossed = colour == ui::SysColor::ButtonShadow;
}

void BoardPicture::label(const Rect& area, std::string_view text, ui::SysColor)
{
    const Part at = board_.at({area.left, area.top});
    if (at.cell != Part::none)
        captions_.at(at.cell) = std::string(text);
}

// A candidate's focus frame, or one around a whole cell that holds the focus itself.
void BoardPicture::focusFrame(const Rect& area)
{
    if (Drawn* candidate = candidateAt(area)) {
        candidate->focusFrame = true;
        return;
    }
    for (std::int16_t n = 0; n < ui::desktop::DrawnBoard::cells; ++n)
        if (area == board_.placeOf({n}))
            cellFrames_.at(n) = true;
}

// A candidate's square, its caption a pixel down and right, or its focus frame.
BoardPicture::Drawn* BoardPicture::candidateAt(const Rect& area)
{
    const Part at = board_.at({area.left + area.width / 2, area.top + area.height / 2});
    if (at.cell == Part::none || at.part == Part::label || !area.intersects(clip_))
        return nullptr;
    const Rect square = board_.placeOf(at);
    const bool its = area == square || area == square.moved(1, 1) || area == square.inset(3);
    return its ? &candidates_.at(at.cell).at(at.part) : nullptr;
}

} // namespace support
