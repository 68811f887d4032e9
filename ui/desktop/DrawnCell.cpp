#include "ui/desktop/DrawnCell.h"

#include <algorithm>
#include <utility>

#include "ui/TabOrder.h"

namespace ui::desktop {

constexpr auto tabOrder = designs::inTabOrder(designs::btnBlock);
constexpr int tabStops = static_cast<int>(tabOrder.size());

DrawnCell::DrawnCell(CellView& view, RowColumn place)
    : ChangedOnlyLabel(designs::lbl.caption),
      view_(view),
      place_(place),
      candidates_{
          {{*this, 0}, {*this, 1}, {*this, 2}, {*this, 3}, {*this, 4}, {*this, 5}, {*this, 6}, {*this, 7}, {*this, 8}}},
      focus_(tabOrder.front())
{
}

std::int16_t DrawnCell::stop(int from, bool forward) const
{
    for (int n = from; n >= 0 && n < tabStops; n += forward ? 1 : -1)
        if (takesFocus(tabOrder.at(static_cast<std::size_t>(n))))
            return tabOrder.at(static_cast<std::size_t>(n));
    return none;
}

std::int16_t DrawnCell::next(bool forward) const
{
    const auto position = static_cast<int>(std::find(tabOrder.begin(), tabOrder.end(), focus_) - tabOrder.begin());
    return stop(position + (forward ? 1 : -1), forward);
}

// A press on a barred candidate or on the label goes on to the box beneath.
DrawnCell::Reply DrawnCell::press(std::int16_t at, bool primary)
{
    if (!takesFocus(at))
        return {};
    moveFocus(at);
    if (primary)
        hold(at, HeldBy::Mouse);
    return {true};
}

DrawnCell::Reply DrawnCell::drag(std::int16_t at)
{
    if (heldBy(HeldBy::Mouse))
        setDown(at == held_);
    return {heldBy(HeldBy::Mouse)};
}

DrawnCell::Reply DrawnCell::release(std::int16_t at)
{
    if (!heldBy(HeldBy::Mouse))
        return {};
    const bool over = down_ && at == held_;
    const std::int16_t released = letGo();
    return {over, over ? released : none};
}

DrawnCell::Reply DrawnCell::spaceDown(bool autoRepeat)
{
    if (!autoRepeat && takesFocus(focus_))
        hold(focus_, HeldBy::Key);
    return {true};
}

// The release clicks whatever is held down, by the key or the mouse.
DrawnCell::Reply DrawnCell::spaceUp(bool autoRepeat) { return {true, autoRepeat || !down_ ? none : letGo()}; }

DrawnCell::Reply DrawnCell::escape() { return {letGo() != none}; }

DrawnCell::Reply DrawnCell::tab(bool forward)
{
    const std::int16_t to = next(forward);
    moveFocus(to == none ? focus_ : to);
    return {to != none};
}

// By Tab to the first candidate that takes the focus, by Shift+Tab to the last.
void DrawnCell::focusIn(Entry entry)
{
    const std::int16_t to = entry == Entry::Back                           ? stop(tabStops - 1, false)
                            : entry == Entry::Front || !takesFocus(focus_) ? stop(0, true)
                                                                           : focus_;
    const std::int16_t before = std::exchange(focus_, to == none ? focus_ : to);
    if (focused_ && before != focus_)
        changed(before, CellView::Change::FocusGone);
    focused_ = true;
    changed(focus_, CellView::Change::FocusCame);
}

void DrawnCell::focusOut(bool keepHeld)
{
    if (!keepHeld)
        letGo();
    focused_ = false;
    changed(focus_, CellView::Change::FocusGone);
}

DrawnCell::Reply DrawnCell::activate(std::int16_t index)
{
    if (!takesFocus(index))
        return {};
    moveFocus(index);
    return {true, index};
}

// A candidate hidden or barred is let go, and hands the focus on to the next.
void DrawnCell::candidateChanged(std::int16_t index, CellView::Change change)
{
    changed(index, change);
    if (takesFocus(index))
        return;
    if (held_ == index)
        letGo();
    if (focus_ == index && focused_ && !tab(true).handled)
        view_.passFocusOn(place_);
}

void DrawnCell::moveFocus(std::int16_t to)
{
    if (to == focus_)
        return;
    letGo();
    const std::int16_t from = std::exchange(focus_, to);
    if (focused_) {
        changed(from, CellView::Change::FocusGone);
        changed(to, CellView::Change::FocusCame);
    }
}

void DrawnCell::hold(std::int16_t index, HeldBy by)
{
    if (held_ != index)
        letGo();
    held_ = index;
    heldBy_ = by;
    setDown(true);
}

void DrawnCell::setDown(bool down)
{
    if (std::exchange(down_, down) != down)
        changed(held_, CellView::Change::Down);
}

std::int16_t DrawnCell::letGo()
{
    if (held_ != none)
        setDown(false);
    return std::exchange(held_, none);
}

} // namespace ui::desktop
