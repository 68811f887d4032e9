#pragma once
#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "support/BoardPlaces.h"
#include "support/PlayerAction.h"
#include "support/VisibleState.h"

namespace support {

// A second, independent account of the board, for checking the real one.
//
// It knows cells only by row and column on the 9x9 board and stores what the
// real cells do not: the digit picked in each cell. It keeps no bar counters;
// the bars on a candidate are worked out afresh from the picks in the cell's
// 20 peers (same row, same column or same 3x3 block, found by coordinates) and
// from the cell's own pick, which bars its other eight candidates. Nothing of
// the boxes, SetRow/SetCol or the board's fan-out tables is used, so a fault
// in that wiring (a missed or wrong peer, a lost or doubled bar) shows as a
// difference. A fixed cell's pick still bars its peers, and bars reaching a
// fixed cell still count once it thaws.
//
// Beside that it keeps every button's Visible, Enabled and BackColor and every
// label's caption, changed by the same rules a cell repaints, fixes, thaws and
// clears with, so it predicts exactly what the window shows, including the
// design-time Active-border face of button "9" until a cell first repaints or
// is cleared.
//
// It takes the clicks a player can make: on a visible, enabled button, or on a
// fixed cell (which ignores it). Any other click throws std::logic_error: no
// front-end delivers it, and the core's answer to it is not modelled.
// Given a history limit, it undoes and redoes by keeping copies of its board from
// before each of the newest actions that changed a pick or a freeze, save that a
// "9" once repainted never wears its design-time face again.
class ReferenceModel {
public:
    explicit ReferenceModel(std::size_t historyLimit = 0);

    // False only when there was nothing to undo or redo.
    bool perform(const PlayerAction& action);
    void click(RowColumn pos, int candidate);
    void fix();
    void unFix();
    void reset();
    // As a player would paste by hand: "Reset", a click on every given row by row, then "Fix".
    void paste(const Puzzle& puzzle);
    // The board's copy: each cell's pick, "." for none, row by row on one line.
    std::string copyText() const;

    bool isPicked(RowColumn pos) const { return cellAt(pos).picked >= 0; }
    int picked(RowColumn pos) const { return cellAt(pos).picked; } // -1 when none
    bool isFixed(RowColumn pos) const { return cellAt(pos).fixed; }
    // How many cells hold a pick.
    int pickCount() const;
    bool clickable(RowColumn pos, int candidate) const;
    // How many reasons bar the candidate: peers that picked it, plus one when the
    // cell itself picked another digit.
    int bars(RowColumn pos, int candidate) const;
    // The candidate that "Fix" shows: the highest free one, else the first.
    int shownDigit(RowColumn pos) const;

    // The cells that share a row, column or 3x3 block with pos, found by coordinates.
    static const std::vector<RowColumn>& peersOf(RowColumn pos);

    BoardState visibleState() const;

private:
    struct Cell {
        int picked = -1;
        bool fixed = false;
        std::array<ButtonState, 9> buttons{};
        std::string caption;
    };

    using Board = std::array<Cell, cellCount>;

    bool travel(std::deque<Board>& from, std::deque<Board>& to);
    Cell& cellAt(RowColumn pos) { return cells_.at(rowMajorIndexOf(pos)); }
    const Cell& cellAt(RowColumn pos) const { return cells_.at(rowMajorIndexOf(pos)); }
    void repaint(RowColumn pos);

    Board cells_{};
    std::size_t historyLimit_;
    std::deque<Board> done_, undone_; // the newest last
};

} // namespace support
