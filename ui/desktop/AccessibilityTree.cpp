#include "ui/desktop/AccessibilityTree.h"

#include "ui/Keys.h"
#include "ui/PlaceNames.h"
#include "ui/Text.h"

namespace ui::desktop {
namespace {

bool isBoard(Part node) { return node.cell == Part::none; }
bool isCell(Part node) { return !isBoard(node) && node.part == Part::none; }
bool isCandidate(Part node) { return !isBoard(node) && node.part >= 0 && node.part < DrawnCell::size; }

} // namespace

int AccessibilityTree::childCount(Part node)
{
    return isBoard(node) ? DrawnBoard::cells : isCell(node) ? DrawnCell::size + 1 : 0;
}

std::optional<Part> AccessibilityTree::child(Part node, int index)
{
    if (index < 0 || index >= childCount(node))
        return std::nullopt;
    const auto n = static_cast<std::int16_t>(index);
    return isBoard(node) ? Part{n} : Part{node.cell, n};
}

std::optional<Part> AccessibilityTree::parent(Part node)
{
    if (isBoard(node))
        return std::nullopt;
    return isCell(node) ? Part{} : Part{node.cell};
}

AccessibilityTree::Role AccessibilityTree::role(Part node)
{
    if (isBoard(node))
        return Role::Table;
    if (isCell(node))
        return Role::Cell;
    return node.part == Part::label ? Role::StaticText : Role::Button;
}

std::string AccessibilityTree::name(Part node) const
{
    if (isBoard(node))
        return {};
    if (isCell(node))
        return cellName(ui::rowColumnAt(node.cell));
    const DrawnCell& cell = board_.cell(node.cell);
    return node.part == Part::label ? cell.labelName() : cell.candidateName(node.part);
}

std::string AccessibilityTree::description(Part node)
{
    return isBoard(node) ? std::string(_(keysDescription.data())) : "";
}

// Nothing shows or takes a press while the surface does not. A candidate shows its
// own look; the focus is on whatever the board says holds it.
AccessibilityTree::States AccessibilityTree::states(Part node) const
{
    States states{!window_.shown(), !window_.enabled()};
    if (isBoard(node))
        return states;
    states.focusable = takesFocus(node);
    states.focused = focus() == node;
    if (isCandidate(node)) {
        const DrawnCell::Look look = board_.cell(node.cell).look(node.part);
        states.invisible |= !look.visible;
        states.unavailable |= !look.enabled;
        states.pressed = look.down;
    }
    return states;
}

// A candidate takes the focus while it is shown and not barred, as Tab stops at
// it. A cell with no such candidate takes it itself: through its label while it
// shows a digit, else as a whole.
bool AccessibilityTree::takesFocus(Part node) const
{
    const DrawnCell& cell = board_.cell(node.cell);
    const auto free = [&cell](std::int16_t i) { return cell.look(i).visible && cell.look(i).enabled; };
    if (isCandidate(node))
        return free(node.part);
    for (std::int16_t i = 0; i < DrawnCell::size; ++i)
        if (free(i))
            return false;
    return (node.part == Part::label) == !cell.caption().empty();
}

// Translators: what a screen reader offers to do with a candidate button.
std::string AccessibilityTree::action(Part node) { return isCandidate(node) ? N_("Press") : ""; }

Rect AccessibilityTree::bounds(Part node) const
{
    const Point origin = window_.origin();
    return board_.placeOf(node).moved(origin.x, origin.y);
}

std::optional<Part> AccessibilityTree::childAt(Part node, Point point) const
{
    const Point origin = window_.origin();
    const Part hit = board_.at({point.x - origin.x, point.y - origin.y});
    if (isBoard(node) && !isBoard(hit))
        return Part{hit.cell};
    if (isCell(node) && hit.cell == node.cell)
        return hit;
    return std::nullopt;
}

std::optional<Part> AccessibilityTree::focus() const
{
    if (!board_.hasFocus())
        return std::nullopt;
    return board_.focus();
}

std::optional<Part> AccessibilityTree::focusWithin(Part node) const
{
    std::optional<Part> at = focus();
    while (at && *at != node && parent(*at) != node)
        at = parent(*at);
    return at;
}

} // namespace ui::desktop
