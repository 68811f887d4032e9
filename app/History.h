#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>

#include "app/Orvane_Main.h"
#include "app/Puzzle.h"
#include "app/PuzzleProblem.h"
#include "ui/BoardPlace.h"
#include "ui/Controls.h"

// The player's undo and redo: every action that changed the board, so that a
// slip of the hand, a "Reset" above all, can be taken back.
//
// Ownership and call direction: a front-end hands every action of the player to
// the history (through ui::dispatch, as any call into the board) instead of
// raising the control's Click itself. The history carries it out exactly as the
// board window would, by raising that Click, and records it when it changed the
// board: a pick or take-back, "Fix", "Un-Fix" and "Reset" when a cell's pick or
// freeze changed, and a paste of a puzzle. It drives the board only through its
// public operations, clicks and a cell's fixIt, so the counted bars stay exact.
// The board must outlive it. It lives in memory only, and holds the newest
// `limit` actions: past that the oldest go.
//
// Undoing a click clicks the same candidate again. Undoing "Fix" thaws the cells
// that "Fix" froze, and no other; undoing "Un-Fix" freezes again what it thawed;
// undoing "Reset" picks again every digit the board held, then freezes the cells
// that were frozen. A paste is one action, though it is a "Reset", a click on
// every given and a "Fix": its record keeps the board it replaced, and undo and
// redo each lay that board the same way and keep the one they took away. Redo
// does any other action again. The one thing undo cannot bring back is a "9"
// still wearing its design's face: once a repaint takes it away, it stays away.
// (A pick made again hides its barred candidates as they stand then, so a
// hidden button may keep another Enabled than before, never seen: whatever
// shows it again writes its Enabled first.)
class History {
public:
    // 10,000 actions take some 560 KiB: each keeps a record of 55 bytes, whatever
    // its kind, and each deque a map of its blocks of records.
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
    // Makes the board the puzzle, as a player's "Reset", a click on every given
    // and "Fix" would. The reader makes only puzzles the board can hold; any other
    // is a programming error (std::logic_error) and changes nothing.
    void paste(const Puzzle& puzzle);
    // A puzzle pasted as text, as every build takes it from its clipboard: read,
    // then laid as above. A text that holds no puzzle the board can take changes
    // nothing, and the problem says why.
    std::optional<PuzzleProblem> paste(std::string_view text);

    Step undo();
    Step redo();
    bool canUndo() const { return !done_.empty(); }
    // The board it plays, read-only: what each cell holds.
    const Orvane_Main& board() const { return board_; }
    bool canRedo() const { return !undone_.empty(); }

private:
    enum class Kind : std::uint8_t;

    // One action. A click keeps its cell and candidate; "Fix" and "Un-Fix" the
    // cells they froze or thawed; "Reset" every pick and freeze it cleared; a
    // paste every pick and freeze of the board it replaced, or after an undo, of
    // the puzzle.
    struct Record {
        Kind kind{};
        std::uint8_t cell = 0; // numbered 0 to 80, box by box
        std::uint8_t candidate = 0;
        std::array<std::uint8_t, 41> picks{}; // a half-byte a cell: its candidate + 1, or 0 for no pick
        std::array<std::uint8_t, 11> cells{}; // a bit a cell
    };

    void command(ui::Button& button, Kind kind);
    void record(const Record& action);
    // Raises the candidate's Click; true when it picked or took back.
    bool press(ui::BoxCell place, std::int16_t candidate);
    void pressAgain(ui::BoxCell place, std::int16_t candidate);
    // Empties the board by its "Reset", then clicks every pick of `picks`, row by row.
    void resetAndPick(const std::array<std::uint8_t, 41>& picks);
    // Lays the board that a paste's record keeps; returns the record of the board it took away.
    Record swapBoard(const Record& action);
    // Takes the newest record off `from`, undoes or redoes it and puts it on `to`.
    Step replay(std::deque<Record>& from, std::deque<Record>& to, bool undoing);
    void reverse(const Record& action);
    void repeat(const Record& action);

    Orvane_Main& board_;
    std::size_t limit_;
    std::deque<Record> done_;   // oldest first
    std::deque<Record> undone_; // what undo took back, the next redo last
};
