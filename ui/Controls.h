#pragma once
#include <cstdint>
#include <memory>
#include <string_view>

#include "ui/Event.h"
#include "ui/SysColor.h"

// The control surface: what the board's logic needs of a widget platform.
//
// Ownership and call direction: a front-end (Qt, Win32, the null platform or a
// test fake) implements these classes and owns every widget behind them. The
// core only calls down into them (property writes) and listens to Click, which
// the front-end raises when the player clicks. Every object here lives exactly
// as long as the board window that holds it. Indices are checked: asking for a
// control outside 0 to 8 throws std::out_of_range.
namespace ui {

// A candidate button or a board command button.
class Button {
public:
    virtual ~Button() = default;
    virtual void setVisible(bool visible) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setBackColor(SysColor color) = 0;

    Event<> Click;
};

// A cell's digit label, drawn beneath its nine buttons.
class Label {
public:
    virtual ~Label() = default;
    virtual void setCaption(std::string_view caption) = 0;
};

// The children of one cell: the control array btnBlock and the label lbl.
class CellControls {
public:
    virtual ~CellControls() = default;
    virtual Button& btnBlock(std::int16_t index) = 0;
    virtual Label& lbl() = 0;
};

// The children of one box: the control array of its nine cells.
class BoxControls {
public:
    virtual ~BoxControls() = default;
    virtual CellControls& usrcntSquare(std::int16_t index) = 0;
};

// The board window with all its controls, created at once from the stored designs.
class BoardWindow {
public:
    virtual ~BoardWindow() = default;
    virtual BoxControls& usrcntGrid(std::int16_t index) = 0;
    virtual Button& cmdFix() = 0;
    virtual Button& cmdUnFix() = 0;
    virtual Button& cmdReset() = 0;
    // Shows the window modeless with no owner and returns at once.
    virtual void show() = 0;
};

class Platform {
public:
    virtual ~Platform() = default;
    virtual std::unique_ptr<BoardWindow> createBoardWindow() = 0;
};

} // namespace ui
