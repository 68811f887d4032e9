#include "ui/DrawnCell.h"

#include <utility>

#include "ui/Designs.h"
#include "ui/TabOrder.h"

namespace ui {
namespace {

constexpr auto tabOrder = designs::inTabOrder(designs::btnBlock);

int tabPosition(std::int16_t index)
{
    for (std::size_t n = 0; n < tabOrder.size(); ++n)
        if (tabOrder.at(n) == index)
            return static_cast<int>(n);
    return 0;
}

} // namespace

DrawnCell::Candidate::Candidate(DrawnCell& cell, std::int16_t index)
    : ChangedOnlyButton(designs::btnBlock.at(static_cast<std::size_t>(index)).face), cell_(cell), index_(index)
{
}

DrawnCell::DigitLabel::DigitLabel(DrawnCell& cell) : ChangedOnlyLabel(designs::lbl.caption), cell_(cell) {}

namespace {

template <class Candidate, class Cell, std::size_t... I>
std::array<Candidate, sizeof...(I)> makeCandidates(Cell& cell, std::index_sequence<I...>)
{
    return {{Candidate(cell, static_cast<std::int16_t>(I))...}};
}

} // namespace

DrawnCell::DrawnCell(CellView& view, RowColumn place)
    : view_(view),
      place_(place),
      candidates_(makeCandidates<Candidate>(*this, std::make_index_sequence<size>())),
      label_(*this),
      focus_(tabOrder.front())
{
}

DrawnCell::Look DrawnCell::look(std::int16_t index) const
{
    const Candidate& shown = candidate(index);
    return {shown.backColor(), shown.visible(), shown.enabled(), focused_ && focus_ == index,
            held_ == index && down_};
}

std::string DrawnCell::candidateName(std::int16_t index) const { return ui::candidateName(place_, index); }

std::string DrawnCell::labelName() const { return caption().empty() ? std::string() : digitName(place_, caption()); }

bool DrawnCell::takesFocus(std::int16_t index) const
{
    const Candidate& shown = candidate(index);
    return shown.visible() && shown.enabled();
}

std::int16_t DrawnCell::stop(int from, bool forward) const
{
    for (int n = from; n >= 0 && n < static_cast<int>(tabOrder.size()); n += forward ? 1 : -1)
        if (const std::int16_t index = tabOrder.at(static_cast<std::size_t>(n)); takesFocus(index))
            return index;
    return none;
}

DrawnCell::Reply DrawnCell::press(std::int16_t at, bool primary)
{
    // A press on a barred candidate, or where the label shows, goes on to the
    // box beneath, as it did past a disabled or hidden button.
    if (at == none || !takesFocus(at))
        return {};
    moveFocus(at);
    if (primary)
        hold(at, HeldBy::Mouse);
    return {true};
}

DrawnCell::Reply DrawnCell::drag(std::int16_t at)
{
    if (held_ == none || heldBy_ != HeldBy::Mouse)
        return {};
    setDown(at == held_);
    return {true};
}

DrawnCell::Reply DrawnCell::release(std::int16_t at)
{
    if (held_ == none || heldBy_ != HeldBy::Mouse)
        return {};
    const bool over = down_ && at == held_;
    const std::int16_t released = letGo();
    return over ? Reply{true, released} : Reply{};
}

DrawnCell::Reply DrawnCell::spaceDown(bool autoRepeat)
{
    if (!autoRepeat && takesFocus(focus_))
        hold(focus_, HeldBy::Key);
    return {true};
}

// The release clicks whatever is held down, by the key or the mouse.
DrawnCell::Reply DrawnCell::spaceUp(bool autoRepeat)
{
    if (autoRepeat || held_ == none || !down_)
        return {true};
    return {true, letGo()};
}

DrawnCell::Reply DrawnCell::escape()
{
    if (held_ == none || heldBy_ == HeldBy::Assistant)
        return {};
    letGo();
    return {true};
}

DrawnCell::Reply DrawnCell::tab(bool forward)
{
    const std::int16_t to = stop(tabPosition(focus_) + (forward ? 1 : -1), forward);
    if (to == none)
        return {};
    moveFocus(to);
    return {true};
}

bool DrawnCell::canTab(bool forward) const { return stop(tabPosition(focus_) + (forward ? 1 : -1), forward) != none; }

// Focus that arrives by Tab lands on the first candidate that takes it, by
// Shift+Tab on the last; otherwise it returns to the candidate that last had it.
void DrawnCell::focusIn(Entry entry)
{
    const std::int16_t before = focus_;
    std::int16_t to = focus_;
    if (entry == Entry::Front || (entry == Entry::Other && !takesFocus(focus_)))
        to = stop(0, true);
    else if (entry == Entry::Back)
        to = stop(static_cast<int>(tabOrder.size()) - 1, false);
    if (to != none)
        focus_ = to;
    if (focused_ && before != focus_)
        view_.cellChanged(before, CellView::Change::FocusGone);
    focused_ = true;
    view_.cellChanged(focus_, CellView::Change::FocusCame);
}

void DrawnCell::focusOut(bool keepHeld)
{
    if (!keepHeld && heldBy_ != HeldBy::Assistant)
        letGo();
    focused_ = false;
    view_.cellChanged(focus_, CellView::Change::FocusGone);
}

DrawnCell::Reply DrawnCell::activate(std::int16_t index)
{
    if (!takesFocus(index))
        return {};
    Reply reply{true};
    // One press at a time: one still held down by an earlier press is clicked now.
    if (held_ != none && held_ != index && heldBy_ == HeldBy::Assistant)
        reply.clicked = letGo();
    hold(index, HeldBy::Assistant);
    return reply;
}

DrawnCell::Reply DrawnCell::activated()
{
    if (held_ == none || heldBy_ != HeldBy::Assistant)
        return {};
    return {true, letGo()};
}

void DrawnCell::candidateChanged(std::int16_t index, CellView::Change change)
{
    view_.cellChanged(index, change);
    if (takesFocus(index))
        return;
    // A candidate hidden or barred while held down is let go, and while focused
    // hands the focus on to the next one that takes it.
    if (held_ == index)
        letGo();
    if (focus_ == index && focused_ && !tab(true).handled)
        view_.passFocusOn();
}

void DrawnCell::moveFocus(std::int16_t to)
{
    if (to == focus_)
        return;
    if (heldBy_ != HeldBy::Assistant)
        letGo();
    const std::int16_t from = std::exchange(focus_, to);
    if (!focused_)
        return;
    view_.cellChanged(from, CellView::Change::FocusGone);
    view_.cellChanged(to, CellView::Change::FocusCame);
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
    if (down_ == down)
        return;
    down_ = down;
    view_.cellChanged(held_, CellView::Change::Down);
}

std::int16_t DrawnCell::letGo()
{
    const std::int16_t released = held_;
    if (released == none)
        return none;
    setDown(false);
    held_ = none;
    return released;
}

} // namespace ui
