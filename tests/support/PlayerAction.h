#pragma once
#include <cstddef>
#include <deque>
#include <string>

#include "app/Puzzle.h"
#include "support/BoardPlaces.h"

namespace support {

// One thing the player does: click a candidate button, press "Fix", "Un-Fix" or
// "Reset", undo or redo, paste a puzzle or copy the board. The same action drives
// the board and the reference model.
struct PlayerAction {
    enum class Kind { Click, Fix, UnFix, Reset, Undo, Redo, Paste, Copy };
    Kind kind = Kind::Click;
    RowColumn pos{};   // for a click
    int candidate = 0; // for a click: 0 to 8, the digit candidate + 1
    Puzzle puzzle{};   // for a paste

    static PlayerAction click(RowColumn pos, int candidate) { return {Kind::Click, pos, candidate}; }
    static PlayerAction fix() { return {Kind::Fix, {}, 0}; }
    static PlayerAction unFix() { return {Kind::UnFix, {}, 0}; }
    static PlayerAction reset() { return {Kind::Reset, {}, 0}; }
    static PlayerAction undo() { return {Kind::Undo, {}, 0}; }
    static PlayerAction redo() { return {Kind::Redo, {}, 0}; }
    static PlayerAction paste(const Puzzle& puzzle) { return {Kind::Paste, {}, 0, puzzle}; }
    static PlayerAction copy() { return {Kind::Copy, {}, 0}; }

    // "click \"5\" at row 2, col 7", "\"Fix\"", ...
    std::string text() const;
};

// The last few actions of a long game, numbered from 1, for the message that
// tells where a game went wrong.
class RecentMoves {
public:
    explicit RecentMoves(std::size_t kept) : kept_(kept) {}

    void add(const PlayerAction& action);
    long count() const { return count_; }
    // "last moves:\n  41: click \"5\" at row 2, col 7\n  42: \"Fix\"\n"
    std::string text() const;

private:
    std::size_t kept_;
    long count_ = 0;
    std::deque<std::string> moves_;
};

} // namespace support
