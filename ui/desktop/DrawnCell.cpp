#include "ui/desktop/DrawnCell.h"

#include <algorithm>
#include <utility>

#include "ui/TabOrder.h"

namespace ui::desktop {

DrawnCell::DrawnCell(CellView& view, RowColumn place)
    : ChangedOnlyLabel(designs::lbl.caption),
      view_(view),
      place_(place),
      candidates_{
          {{*this, 0}, {*this, 1}, {*this, 2}, {*this, 3}, {*this, 4}, {*this, 5}, {*this, 6}, {*this, 7}, {*this, 8}}},
      focus_(designs::inTabOrder(designs::btnBlock).front())
{
}

bool DrawnCell::takesFocus() const
{
    for (std::int16_t i = 0; i < size; ++i)
        if (takesFocus(i))
            return true;
    return false;
}

// A press on a barred candidate or on the label goes on to the box beneath.
DrawnCell::Reply DrawnCell::press(std::int16_t at, bool primary)
{
    if (!takesFocus(at))
        return {};
    focusOn(at);
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

void DrawnCell::focusIn()
{
    focused_ = true;
    changed(focus(), CellView::Change::FocusCame);
}

void DrawnCell::focusOut(bool keepHeld)
{
    if (!keepHeld)
        letGo();
    focused_ = false;
    changed(focus(), CellView::Change::FocusGone);
}

DrawnCell::Reply DrawnCell::activate(std::int16_t index)
{
    if (!takesFocus(index))
        return {};
    focusOn(index);
    return {true, index};
}

// A candidate hidden or barred is let go. The focus may rest on the cell itself
// only while no candidate takes it.
void DrawnCell::candidateChanged(std::int16_t index, CellView::Change change)
{
    changed(index, change);
    const bool takes = takesFocus(index);
    if (held_ == index && !takes)
        letGo();
    if (focused_ && (focus_ == index ? !takes : focus_ == none && takes))
        view_.focusMustMove(place_);
}

void DrawnCell::focusOn(std::int16_t to)
{
    if (to == focus_)
        return;
    letGo();
    const std::int16_t from = focus();
    focus_ = to;
    if (focused_) {
        changed(from, CellView::Change::FocusGone);
        changed(focus(), CellView::Change::FocusCame);
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
