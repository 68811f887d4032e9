#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/Orvane_Main.h"
#include "app/RecordStack.h"
#include "ui/BoardPlace.h"
#include "ui/Controls.h"

// The player's undo and redo: every action that changed the board, so that a
// slip of the hand, a "Reset" above all, can be taken back.
//
// Ownership and call direction: a front-end hands every action of the player to
// the history (through ui::dispatch, as any call into the board) instead of
// raising the control's Click itself. The history carries it out exactly as the
// board window would, by raising that Click, and records it when it changed the
// board: a pick or take-back, or "Fix", "Un-Fix" and "Reset" when a cell's pick or
// freeze changed. It drives the board only through its public operations, clicks
// and a cell's fixIt, so the counted bars stay exact. The board must outlive it.
// It lives in memory only, and holds the newest `limit` actions: past that the
// oldest go.
//
// Undoing a click clicks the same candidate again. Undoing "Fix" thaws the cells
// that "Fix" froze, and no other; undoing "Un-Fix" freezes again what it thawed;
// undoing "Reset" picks again every digit the board held, then freezes the cells
// that were frozen. Redo does the action again. The one thing undo cannot bring
// back is a "9" still wearing its design's face: once a repaint takes it away,
// it stays away. (A pick made again hides its barred candidates as they stand
// then, so a hidden button may keep another Enabled than before, never seen:
// whatever shows it again writes its Enabled first.)
class History {
public:
    // 10,000 actions take at most about half a MiB: a click keeps 5 bytes,
    // "Fix" or "Un-Fix" 14 and "Reset" 55.
    static constexpr std::size_t defaultLimit = 10'000;

    // What an undo or redo did. Nothing happened when there was nothing to undo
    // or redo. For a click, the cell it clicked, where a front-end puts the focus.
    struct Step {
        bool happened = false;
        std::optional<ui::BoxCell> cell;
    };

    explicit History(Orvane_Main& board, std::size_t limit = defaultLimit);
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // The player's actions. A click on a frozen cell changes nothing and is not recorded.
    void click(ui::BoxCell place, std::int16_t candidate);
    void click(ui::RowColumn place, std::int16_t candidate) { click(ui::boxCellOf(place), candidate); }
    void fix();
    void unFix();
    void reset();

    Step undo();
    Step redo();
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }

    // Everything the history takes in memory, itself included.
    std::size_t bytes() const { return sizeof(*this) + done_.heapBytes() + undone_.heapBytes(); }

private:
    enum class Kind : std::uint8_t;
    struct Action;

    void command(ui::Button& button, Kind kind);
    void record(const std::vector<std::uint8_t>& action);
    // Raises the candidate's Click; true when it picked or took back.
    bool press(ui::BoxCell place, std::int16_t candidate);
    void pressAgain(ui::BoxCell place, std::int16_t candidate);
    void reverse(const Action& action);
    void repeat(const Action& action);

    Orvane_Main& board_;
    std::size_t limit_;
    RecordStack done_;   // newest on top
    RecordStack undone_; // what undo took back, the next redo on top
};
