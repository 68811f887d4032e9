#include "ui/desktop/AccessibleBoard.h"

namespace ui::desktop {

Part AccessibleBoard::child(Part parent, int index)
{
    if (index < 0 || index >= childCount(parent))
        return {};
    if (parent.cell == Part::none)
        return {static_cast<std::int16_t>(index)};
    return {parent.cell, static_cast<std::int16_t>(index)};
}

std::string AccessibleBoard::name(Part part) const
{
    if (part.cell == Part::none)
        return {};
    const RowColumn place = DrawnBoard::placeOfCell(part.cell);
    if (part.part == Part::none)
        return "Row " + std::to_string(place.row + 1) + ", column " + std::to_string(place.column + 1);
    const DrawnCell& cell = board_.cell(part.cell);
    return part.part == Part::label ? cell.labelName() : cell.candidateName(part.part);
}

AccessibleBoard::Role AccessibleBoard::role(Part part)
{
    if (part.cell == Part::none)
        return Role::Table;
    if (part.part == Part::none)
        return Role::Cell;
    return part.part == Part::label ? Role::StaticText : Role::Button;
}

// Hidden candidates are invisible and barred ones unavailable; every candidate
// can take the focus, as a button can, and shows it and being held down.
AccessibleBoard::States AccessibleBoard::states(Part part) const
{
    States states;
    if (!isCandidate(part))
        return states;
    const DrawnCell::Look look = board_.cell(part.cell).look(part.part);
    states.invisible = !look.visible;
    states.unavailable = !look.enabled;
    states.focusable = true;
    states.focused = look.focused && board_.hasFocus();
    states.pressed = look.down;
    return states;
}

} // namespace ui::desktop
