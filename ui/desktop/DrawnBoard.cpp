#include "ui/desktop/DrawnBoard.h"

#include <algorithm>
#include <utility>

#include "ui/desktop/DrawnBox.h"

namespace ui::desktop {

DrawnBoard::DrawnBoard(BoardView& view, int dpi) : view_(view), layout_(dpi)
{
    for (std::int16_t n = 0; n < cells; ++n)
        cells_.at(static_cast<std::size_t>(n)) =
            std::make_unique<DrawnCell>(static_cast<CellView&>(*this), rowColumnAt(n));
    for (std::int16_t b = 0; b < 9; ++b) {
        std::array<DrawnCell*, 9> inBox{};
        for (std::int16_t k = 0; k < 9; ++k)
            inBox.at(static_cast<std::size_t>(k)) = &cell(rowMajor(rowColumnOf({b, k})));
        boxes_.at(static_cast<std::size_t>(b)) = std::make_unique<DrawnBox>(inBox);
    }
}

DrawnBoard::~DrawnBoard() = default;

BoxControls& DrawnBoard::box(std::int16_t index) { return *boxes_.at(static_cast<std::size_t>(index)); }

const DrawnCell& DrawnBoard::cell(std::int16_t ordinal) const { return *cells_.at(static_cast<std::size_t>(ordinal)); }
DrawnCell& DrawnBoard::cell(std::int16_t ordinal) { return *cells_.at(static_cast<std::size_t>(ordinal)); }

Rect DrawnBoard::placeOf(Part part) const
{
    if (part.cell == Part::none)
        return layout_.bounds();
    const Rect cell = layout_.cell(part.cell);
    if (part.part == Part::none || part.part == Part::label)
        return cell;
    return layout_.candidate(part.part).moved(cell.left, cell.top);
}

Part DrawnBoard::at(Point point) const
{
    for (std::int16_t n = 0; n < cells; ++n) {
        const Rect place = layout_.cell(n);
        if (!place.contains(point))
            continue;
        const Point inCell{point.x - place.left, point.y - place.top};
        for (std::int16_t i = 0; i < DrawnCell::size; ++i)
            if (cell(n).look(i).visible && layout_.candidate(i).contains(inCell))
                return {n, i};
        return {n, Part::label};
    }
    return {};
}

Part DrawnBoard::focus() const { return {focusCell_, cell(focusCell_).focus()}; }

bool DrawnBoard::shown(std::int16_t ordinal, std::int16_t candidate) const
{
    return cell(ordinal).look(candidate).visible;
}

bool DrawnBoard::barred(std::int16_t ordinal, std::int16_t candidate) const
{
    return !cell(ordinal).look(candidate).enabled;
}

std::int16_t DrawnBoard::pick(std::int16_t ordinal) const
{
    const History* played = view_.history();
    const BoxCell place = boxCellOf(rowColumnAt(ordinal));
    return played ? played->board().box(place.box).cell(place.cell).pick() : BoardFocus::itself;
}

bool DrawnBoard::anyCandidateTakesFocus() const
{
    return std::ranges::any_of(cells_, [](const auto& cell) { return cell->takesFocus(); });
}

bool DrawnBoard::press(Point at, bool primary)
{
    const Settled settled{*this};
    const Part hit = this->at(at);
    if (hit.cell == Part::none ||
        !cell(hit.cell).press(hit.part == Part::label ? DrawnCell::none : hit.part, primary).handled)
        return false;
    if (primary)
        mouseCell_ = hit.cell;
    moveTo({hit.cell, hit.part});
    return true;
}

// Only the candidates of the cell the press holds count; elsewhere is off them.
void DrawnBoard::drag(Point at)
{
    if (mouseCell_ == Part::none)
        return;
    const Part over = this->at(at);
    cell(mouseCell_).drag(over.cell == mouseCell_ && over.part != Part::label ? over.part : DrawnCell::none);
}

void DrawnBoard::release(Point at)
{
    if (mouseCell_ == Part::none)
        return;
    const Settled settled{*this};
    const Part over = this->at(at);
    const std::int16_t held = std::exchange(mouseCell_, Part::none);
    clickIf(held, cell(held).release(over.cell == held && over.part != Part::label ? over.part : DrawnCell::none));
}

void DrawnBoard::cancelPress()
{
    if (mouseCell_ != Part::none)
        cell(std::exchange(mouseCell_, Part::none)).release(DrawnCell::none);
}

bool DrawnBoard::keyDown(Key key, bool autoRepeat)
{
    const Settled settled{*this};
    DrawnCell& focused = cell(focusCell_);
    if (key == Key::Space)
        return focused.spaceDown(autoRepeat).handled;
    if (key == Key::Escape)
        return focused.escape().handled;
    const KeyAnswer answer = answerKey(*this, focusHere(), key, -1, autoRepeat);
    if (!answer.handled)
        return false;
    moveTo(answer.focus);
    if (answer.click != BoardFocus::itself)
        clickIf(answer.focus.cell, {true, answer.click});
    return true;
}

bool DrawnBoard::keyUp(Key key, bool autoRepeat)
{
    if (key != Key::Space)
        return false;
    const Settled settled{*this};
    DrawnCell& focused = cell(focusCell_);
    const DrawnCell::Reply reply = focused.spaceUp(autoRepeat);
    clickIf(focusCell_, reply);
    return reply.handled;
}

// Escape is the board's while a candidate is held, even one dragged off; Tab
// while the focus moves on inside the board; every other key always.
bool DrawnBoard::wants(Key key) const
{
    if (key == Key::Escape)
        return cell(focusCell_).holds();
    return key == Key::Space || answerKey(*this, focusHere(), key).handled;
}

void DrawnBoard::focusIn(Entry entry)
{
    const Settled settled{*this};
    aimFocus(entry);
    focused_ = true;
    cell(focusCell_).focusIn();
}

void DrawnBoard::focusOut(bool keepHeld)
{
    if (!focused_)
        return;
    focused_ = false;
    announced_ = {};
    cell(focusCell_).focusOut(keepHeld);
}

// By Tab to the board's first stop, by Shift+Tab to its last, and otherwise
// back to where the focus was, landing again if it may no longer rest there.
void DrawnBoard::aimFocus(Entry entry)
{
    if (focused_)
        return;
    const BoardFocus here = focusHere();
    const BoardFocus back = landIn(*this, here.cell, here.candidate);
    moveTo(entry == Entry::Front ? firstStop(*this, back) : entry == Entry::Back ? lastStop(*this, back) : back);
}

// Without the keyboard focus, the cells only remember where it will land.
void DrawnBoard::moveTo(BoardFocus to)
{
    const bool otherCell = to.cell != focusCell_;
    if (otherCell && focused_)
        cell(focusCell_).focusOut();
    focusCell_ = to.cell;
    cell(to.cell).focusOn(to.candidate);
    if (otherCell && focused_)
        cell(to.cell).focusIn();
}

bool DrawnBoard::activate(Part part)
{
    const Settled settled{*this};
    if (part.cell == Part::none || part.part < 0 || part.part >= DrawnCell::size)
        return false;
    DrawnCell& pressed = cell(part.cell);
    const DrawnCell::Reply reply = pressed.activate(part.part);
    if (!reply.handled)
        return false;
    moveTo({part.cell, part.part});
    clickIf(part.cell, reply);
    return true;
}

void DrawnBoard::clickIf(std::int16_t ordinal, DrawnCell::Reply reply)
{
    if (reply.clicked != DrawnCell::none)
        view_.click({ordinal, reply.clicked});
}

void DrawnBoard::cellChanged(RowColumn place, std::int16_t part, Change change)
{
    using Announcement = BoardView::Announcement;
    const std::int16_t ordinal = rowMajor(place);
    view_.redraw(placeOf({ordinal, part}));
    const Part where{ordinal, part};
    switch (change) {
    case Change::Visible:
        view_.announce(where, cell(ordinal).look(part).visible ? Announcement::Show : Announcement::Hide);
        break;
    case Change::Enabled:
    case Change::Down: view_.announce(where, Announcement::StateChange); break;
    case Change::Caption: view_.announce(where, Announcement::NameChange); break;
    case Change::Face:
    case Change::FocusCame:
    case Change::FocusGone: break;
    }
    if (change == Change::Visible || change == Change::Enabled) {
        const bool takes = cell(ordinal).takesFocus() || anyCandidateTakesFocus();
        if (takes != std::exchange(takesFocus_, takes))
            view_.takesFocusChanged(takes);
    }
}

void DrawnBoard::focusMustMove(RowColumn place)
{
    const std::int16_t ordinal = rowMajor(place);
    if (ordinal == focusCell_)
        moveTo(landIn(*this, ordinal, cell(ordinal).focusedCandidate()));
}

} // namespace ui::desktop
