#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "ui/Keys.h"

// Where the keyboard focus goes for a key, and what the key clicks: decided here
// once for every front-end, from what each cell shows and the designs' order.
//
// The focus rests on a free candidate (shown and not barred: one that Tab stops
// at), or on a cell that has none, which then takes the focus itself. The arrows
// go from cell to cell; in the cell they reach, the candidate of the digit the
// focus was on takes it where free, else the cell's first free candidate, else
// the cell itself. Tab and Shift+Tab keep the designs' order through the free
// candidates. A digit presses that candidate of the focused cell, and Delete the
// cell's pick, as a click on it would.
namespace ui {

// A cell of the board by its place, row-major (row * 9 + column), and the
// candidate 0 to 8 that has the focus, or `itself` when the cell holds it.
struct BoardFocus {
    static constexpr std::int16_t itself = -1;
    std::int16_t cell = 0;
    std::int16_t candidate = itself;
    bool operator==(const BoardFocus&) const = default;
};

// What the moves read of the board; a front-end answers from what it shows.
class ShownBoard {
public:
    virtual ~ShownBoard() = default;
    virtual bool shown(std::int16_t cell, std::int16_t candidate) const = 0;
    virtual bool barred(std::int16_t cell, std::int16_t candidate) const = 0;

    // The candidate the player picked in the cell, or BoardFocus::itself: what
    // the cell itself holds, not what it shows.
    virtual std::int16_t pick(std::int16_t cell) const = 0;

    bool free(std::int16_t cell, std::int16_t candidate) const
    {
        return shown(cell, candidate) && !barred(cell, candidate);
    }
};

struct KeyAnswer {
    bool handled = false;                    // false: the key is not the board's, and goes on to the platform
    BoardFocus focus;                        // where the focus is after the key
    std::int16_t click = BoardFocus::itself; // the candidate of the focused cell the key clicks, if any
    int leaves = 0;                          // Tab past the board's last stop (1) or Shift+Tab before its first (-1)
};

// The answer to `key` with the focus at `from`. With `withinBox` 0 to 8, the
// arrows and Home and End keep to that box's nine cells. A key held down
// (`repeat`) moves the focus on, but presses nothing again.
KeyAnswer answerKey(const ShownBoard& board, BoardFocus from, Key key, int withinBox = -1, bool repeat = false);

// Where the focus lands in `cell` when it comes from candidate `digit` (or from a
// cell itself): that candidate if free, else the first free one, else the cell.
BoardFocus landIn(const ShownBoard& board, std::int16_t cell, std::int16_t digit);

// Where the focus lands after an undo or redo from the board: in the cell the
// action `touched`, as an arrow's would, or without one (a command's) in its own
// cell, where it stays unless what it was on has gone.
BoardFocus landAfterUndo(const ShownBoard& board, BoardFocus from, std::optional<std::int16_t> touched);

// The board's first and last tab stops, or the focus where it is when the board has none.
BoardFocus firstStop(const ShownBoard& board, BoardFocus otherwise);
BoardFocus lastStop(const ShownBoard& board, BoardFocus otherwise);

} // namespace ui
