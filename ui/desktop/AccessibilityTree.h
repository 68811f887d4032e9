#pragma once
#include <optional>
#include <string>

#include "ui/desktop/DrawnBoard.h"

// What assistive technology finds of the board on both desktops: a table of 9 by 9
// whose children are its 81 cells, row by row, each holding its nine candidates (0
// to 8) and its label (9). For every node the tree answers parent, children, role,
// name, description, states, action, place on the screen, hit test and focus; each
// desktop's adapter only translates the answers into its platform's interfaces.
// The surface tells the tree through Window what only its toolkit knows.
namespace ui::desktop {

class AccessibilityTree {
public:
    enum class Role { Table, Cell, Button, StaticText };
    struct States {
        bool invisible = false, unavailable = false, focusable = false, focused = false, pressed = false;
    };
    class Window {
    public:
        virtual ~Window() = default;
        virtual bool shown() const = 0;
        virtual bool enabled() const = 0;
        virtual Point origin() const = 0; // the surface's top left corner on the screen
    };
    static constexpr int rows = 9, columns = 9;

    AccessibilityTree(DrawnBoard& board, const Window& window) : board_(board), window_(window) {}

    static int childCount(Part node);
    static std::optional<Part> child(Part node, int index);
    static std::optional<Part> parent(Part node);
    static int indexInParent(Part node) { return node.part == Part::none ? node.cell : node.part; }
    static Part cellAt(int row, int column) { return {static_cast<std::int16_t>(row * columns + column)}; }

    static Role role(Part node);
    // "Row 4, column 7" for a cell, "Row 4, column 7, candidate 5" for a
    // candidate, and "Row 4, column 7, digit 5" for a label that shows one.
    std::string name(Part node) const;
    // The board's keys, on the board.
    static std::string description(Part node);
    States states(Part node) const;
    // "Press" for a candidate, which clicks it; nothing else has an action.
    static std::string action(Part node);
    bool doAction(Part node) { return !action(node).empty() && board_.activate(node); }
    // On the screen.
    Rect bounds(Part node) const;
    // The child of `node` at a point of the screen, if one lies there.
    std::optional<Part> childAt(Part node, Point point) const;
    // What holds the keyboard focus while the board has it.
    std::optional<Part> focus() const;
    // Of `node`, what holds the focus: the node itself, or the child that holds it
    // or holds what does.
    std::optional<Part> focusWithin(Part node) const;

private:
    bool takesFocus(Part node) const;

    DrawnBoard& board_;
    const Window& window_;
};

} // namespace ui::desktop
