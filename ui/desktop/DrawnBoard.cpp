#include "ui/desktop/DrawnBoard.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/TabOrder.h"

namespace ui::desktop {
namespace {

Rect pixelsOf(const designs::Control& design, int dpi, Point origin = {})
{
    return {origin.x + designs::toPixels(design.left, dpi), origin.y + designs::toPixels(design.top, dpi),
            designs::toPixels(design.width, dpi), designs::toPixels(design.height, dpi)};
}

constexpr std::int16_t ordinalOf(RowColumn place) { return static_cast<std::int16_t>(place.row * 9 + place.column); }

// The cells in the designs' tab order: box by box, and in a box cell by cell.
constexpr auto tabOrder = [] {
    std::array<std::int16_t, DrawnBoard::cells> order{};
    std::size_t n = 0;
    for (const std::int16_t b : designs::inTabOrder(designs::usrcntGrid))
        for (const std::int16_t k : designs::inTabOrder(designs::usrcntSquare))
            order.at(n++) = ordinalOf(rowColumnOf({b, k}));
    return order;
}();

} // namespace

// A box's nine cells, as the core addresses them.
class DrawnBoard::Box final : public BoxControls {
public:
    Box(DrawnBoard& board, std::int16_t index) : board_(board), index_(index) {}
    CellControls& usrcntSquare(std::int16_t index) override
    {
        if (index < 0 || index >= 9)
            throw std::out_of_range("usrcntSquare: no cell " + std::to_string(index));
        return board_.cell(ordinalOf(rowColumnOf({index_, index})));
    }

private:
    DrawnBoard& board_;
    std::int16_t index_;
};

DrawnBoard::DrawnBoard(BoardView& view, int dpi) : view_(view)
{
    for (std::int16_t b = 0; b < 9; ++b) {
        const Rect box = pixelsOf(designs::usrcntGrid.at(static_cast<std::size_t>(b)), dpi);
        boxPlaces_.at(static_cast<std::size_t>(b)) = box;
        bounds_ = bounds_.united(box);
        for (std::int16_t k = 0; k < 9; ++k)
            cellPlaces_.at(static_cast<std::size_t>(ordinalOf(rowColumnOf({b, k})))) =
                pixelsOf(designs::usrcntSquare.at(static_cast<std::size_t>(k)), dpi, {box.left, box.top});
        boxes_.at(static_cast<std::size_t>(b)) = std::make_unique<Box>(*this, b);
    }
    for (std::size_t i = 0; i < candidatePlaces_.size(); ++i)
        candidatePlaces_.at(i) = pixelsOf(designs::btnBlock.at(i), dpi);
    for (std::int16_t n = 0; n < cells; ++n)
        cells_.at(static_cast<std::size_t>(n)) =
            std::make_unique<DrawnCell>(static_cast<CellView&>(*this), placeOfCell(n));
}

DrawnBoard::~DrawnBoard() = default;

BoxControls& DrawnBoard::box(std::int16_t index) { return *boxes_.at(static_cast<std::size_t>(index)); }

const DrawnCell& DrawnBoard::cell(std::int16_t ordinal) const { return *cells_.at(static_cast<std::size_t>(ordinal)); }
DrawnCell& DrawnBoard::cell(std::int16_t ordinal) { return *cells_.at(static_cast<std::size_t>(ordinal)); }

Rect DrawnBoard::placeOf(Part part) const
{
    if (part.cell == Part::none)
        return bounds_;
    const Rect cell = cellPlaces_.at(static_cast<std::size_t>(part.cell));
    if (part.part == Part::none || part.part == Part::label)
        return cell;
    return candidatePlaces_.at(static_cast<std::size_t>(part.part)).moved(cell.left, cell.top);
}

Part DrawnBoard::at(Point point) const
{
    for (std::int16_t n = 0; n < cells; ++n) {
        const Rect place = cellPlaces_.at(static_cast<std::size_t>(n));
        if (!place.contains(point))
            continue;
        const Point inCell{point.x - place.left, point.y - place.top};
        for (std::int16_t i = 0; i < DrawnCell::size; ++i)
            if (cell(n).look(i).visible && candidatePlaces_.at(static_cast<std::size_t>(i)).contains(inCell))
                return {n, i};
        return {n, Part::label};
    }
    return {};
}

Part DrawnBoard::focus() const
{
    return {tabOrder.at(static_cast<std::size_t>(focusAt_)), cellAtStop(focusAt_).focus()};
}

DrawnCell& DrawnBoard::cellAtStop(int stop) const
{
    return *cells_.at(static_cast<std::size_t>(tabOrder.at(static_cast<std::size_t>(stop))));
}

int DrawnBoard::stopOf(std::int16_t ordinal)
{
    return static_cast<int>(std::ranges::find(tabOrder, ordinal) - tabOrder.begin());
}

int DrawnBoard::firstStop(int from, bool forward) const
{
    for (int stop = from; stop >= 0 && stop < cells; stop += forward ? 1 : -1)
        if (cellAtStop(stop).takesFocus())
            return stop;
    return -1;
}

bool DrawnBoard::press(Point at, bool primary)
{
    const Part hit = this->at(at);
    if (hit.cell == Part::none ||
        !cell(hit.cell).press(hit.part == Part::label ? DrawnCell::none : hit.part, primary).handled)
        return false;
    if (primary)
        mouseCell_ = hit.cell;
    moveTo(stopOf(hit.cell), DrawnCell::Entry::Other);
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
    const Part over = this->at(at);
    DrawnCell& held = cell(std::exchange(mouseCell_, Part::none));
    clickIf(held, held.release(over.cell != Part::none && &cell(over.cell) == &held && over.part != Part::label
                                   ? over.part
                                   : DrawnCell::none));
}

void DrawnBoard::cancelPress()
{
    if (mouseCell_ != Part::none)
        cell(std::exchange(mouseCell_, Part::none)).release(DrawnCell::none);
}

bool DrawnBoard::keyDown(Key key, bool autoRepeat)
{
    DrawnCell& focused = cellAtStop(focusAt_);
    switch (key) {
    case Key::Space: return focused.spaceDown(autoRepeat).handled;
    case Key::Escape: return focused.escape().handled;
    case Key::Next: return tab(true);
    case Key::Previous: return tab(false);
    }
    return false;
}

bool DrawnBoard::keyUp(Key key, bool autoRepeat)
{
    if (key != Key::Space)
        return false;
    DrawnCell& focused = cellAtStop(focusAt_);
    const DrawnCell::Reply reply = focused.spaceUp(autoRepeat);
    clickIf(focused, reply);
    return reply.handled;
}

// Escape is the board's while a candidate is held, even one dragged off; Tab and
// the arrows while the focus can move on inside the board.
bool DrawnBoard::wants(Key key) const
{
    const DrawnCell& focused = cellAtStop(focusAt_);
    switch (key) {
    case Key::Space: return true;
    case Key::Escape: return focused.holds();
    case Key::Next:
    case Key::Previous: {
        const bool forward = key == Key::Next;
        return focused.canTab(forward) || firstStop(focusAt_ + (forward ? 1 : -1), forward) != -1;
    }
    }
    return false;
}

bool DrawnBoard::tab(bool forward)
{
    if (cellAtStop(focusAt_).tab(forward).handled)
        return true;
    const int to = firstStop(focusAt_ + (forward ? 1 : -1), forward);
    if (to == -1)
        return false;
    moveTo(to, forward ? DrawnCell::Entry::Front : DrawnCell::Entry::Back);
    return true;
}

void DrawnBoard::focusIn(DrawnCell::Entry entry)
{
    aimFocus(entry);
    focused_ = true;
    cellAtStop(focusAt_).focusIn(entry);
}

void DrawnBoard::focusOut(bool keepHeld)
{
    if (!focused_)
        return;
    focused_ = false;
    cellAtStop(focusAt_).focusOut(keepHeld);
}

// By Tab to the first candidate that takes the focus, by Shift+Tab to the last,
// and otherwise back to where the focus was, or on from there.
void DrawnBoard::aimFocus(DrawnCell::Entry entry)
{
    int to = entry == DrawnCell::Entry::Front  ? firstStop(0, true)
             : entry == DrawnCell::Entry::Back ? firstStop(cells - 1, false)
                                               : firstStop(focusAt_, true);
    if (to == -1)
        to = firstStop(0, true);
    if (to != -1 && !focused_)
        moveTo(to, entry);
}

// Without the focus, the cell is only told where the focus will land in it.
void DrawnBoard::moveTo(int stop, DrawnCell::Entry entry)
{
    const int from = std::exchange(focusAt_, stop);
    DrawnCell& to = cellAtStop(stop);
    if (!focused_) {
        to.focusIn(entry);
        to.focusOut(true);
    } else if (from != stop) {
        cellAtStop(from).focusOut();
        to.focusIn(entry);
    }
}

bool DrawnBoard::activate(Part part)
{
    if (part.cell == Part::none)
        return false;
    DrawnCell& pressed = cell(part.cell);
    const DrawnCell::Reply reply = pressed.activate(part.part);
    if (!reply.handled)
        return false;
    moveTo(stopOf(part.cell), DrawnCell::Entry::Other);
    clickIf(pressed, reply);
    return true;
}

void DrawnBoard::clickIf(const DrawnCell& cell, DrawnCell::Reply reply)
{
    if (reply.clicked != DrawnCell::none)
        view_.click(const_cast<DrawnCell&>(cell).btnBlock(reply.clicked).Click);
}

void DrawnBoard::cellChanged(RowColumn place, std::int16_t part, Change change)
{
    using Announcement = BoardView::Announcement;
    const std::int16_t ordinal = ordinalOf(place);
    view_.redraw(placeOf({ordinal, part}));
    const Part where{ordinal, part};
    switch (change) {
    case Change::Visible:
        view_.announce(where, cell(ordinal).look(part).visible ? Announcement::Show : Announcement::Hide);
        break;
    case Change::Enabled:
    case Change::Down: view_.announce(where, Announcement::StateChange); break;
    case Change::FocusCame:
        if (focused_)
            view_.announce(where, Announcement::Focus);
        break;
    case Change::Caption: view_.announce(where, Announcement::NameChange); break;
    case Change::Face:
    case Change::FocusGone: break;
    }
    if (change == Change::Visible || change == Change::Enabled) {
        const bool takes = cell(ordinal).takesFocus() || firstStop(0, true) != -1;
        if (takes != std::exchange(takesFocus_, takes))
            view_.takesFocusChanged(takes);
    }
}

// The focused candidate went, with none after it in its cell: on to the next cell.
void DrawnBoard::passFocusOn(RowColumn place)
{
    const int next = firstStop(stopOf(ordinalOf(place)) + 1, true);
    if (next != -1)
        moveTo(next, DrawnCell::Entry::Front);
    else
        view_.passFocusOn();
}

} // namespace ui::desktop
