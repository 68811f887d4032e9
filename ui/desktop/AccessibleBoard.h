#pragma once
#include <string>
#include <utility>

#include "ui/desktop/DrawnBoard.h"

// What assistive technology finds of the board, for both desktops: a table of 9
// rows by 9 columns whose 81 cells (row-major) each hold their nine candidates
// (children 0 to 8) and their label (child 9). The front-ends only translate
// this tree into their platform's interfaces; every name, role, state and
// action is decided here.
namespace ui::desktop {

class AccessibleBoard {
public:
    enum class Role { Table, Cell, Button, StaticText };
    struct States {
        bool invisible = false, unavailable = false, focusable = false, focused = false, pressed = false;
    };
    static constexpr int rows = 9, columns = 9;

    explicit AccessibleBoard(DrawnBoard& board) : board_(board) {}

    static int childCount(Part part)
    {
        return part.cell == Part::none ? DrawnBoard::cells : part.part == Part::none ? 10 : 0;
    }
    static Part child(Part parent, int index);
    static Part parent(Part part) { return part.part != Part::none ? Part{part.cell} : Part{}; }
    static int indexInParent(Part part) { return part.part != Part::none ? part.part : part.cell; }
    static Part cellAt(int row, int column) { return {static_cast<std::int16_t>(row * columns + column)}; }

    // "Row 4, column 7" for a cell, "Row 4, column 7, candidate 5" for a
    // candidate, and "Row 4, column 7, digit 5" for a label that shows one.
    std::string name(Part part) const;
    static Role role(Part part);
    States states(Part part) const;
    // "Press" for a candidate; nothing else has an action.
    static std::string action(Part part) { return isCandidate(part) ? "Press" : ""; }
    bool doAction(Part part) { return isCandidate(part) && board_.activate(part); }
    Rect place(Part part) const { return board_.placeOf(part); }
    // The deepest part at a point of the surface.
    Part at(Point point) const { return board_.at(point); }
    // The focused candidate while the board has the focus.
    Part focus() const { return board_.hasFocus() ? board_.focus() : Part{}; }

private:
    static bool isCandidate(Part part)
    {
        return part.cell != Part::none && part.part >= 0 && part.part < DrawnCell::size;
    }

    DrawnBoard& board_;
};

} // namespace ui::desktop
