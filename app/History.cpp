#include "app/History.h"

#include <array>
#include <bitset>
#include <stdexcept>
#include <variant>

#include "app/PuzzleText.h"

namespace {

constexpr int cellCount = 81;
using CellSet = std::bitset<cellCount>;
// A record's set of cells, a bit a cell, and its picks, a half-byte a cell.
constexpr std::size_t setBytes = (cellCount + 7) / 8;
constexpr std::size_t pickBytes = (cellCount + 1) / 2;

// Cells are numbered 0 to 80 in the window's order: box by box, cell by cell.
using ui::boxCellAt;
const usrcntBlock& cellOf(const Orvane_Main& board, int n)
{
    return board.box(boxCellAt(n).box).cell(boxCellAt(n).cell);
}
usrcntBlock& cellOf(Orvane_Main& board, int n) { return board.box(boxCellAt(n).box).cell(boxCellAt(n).cell); }

// What the history needs to know of the board: each cell's pick (-1 for none)
// and which cells are frozen. The bars follow from the picks.
struct Picks {
    std::array<std::int8_t, cellCount> candidate{};
    CellSet frozen;
    bool operator==(const Picks&) const = default;
};

Picks picksOf(const Orvane_Main& board)
{
    Picks picks;
    for (int n = 0; n < cellCount; ++n) {
        const usrcntBlock& cell = cellOf(board, n);
        picks.candidate.at(n) = static_cast<std::int8_t>(cell.pick());
        picks.frozen.set(n, cell.isFrozen());
    }
    return picks;
}

// The picks as a record keeps them, two cells a byte.
std::array<std::uint8_t, pickBytes> packPicks(const std::array<std::int8_t, cellCount>& candidate)
{
    std::array<std::uint8_t, pickBytes> bytes{};
    for (std::size_t n = 0; n < cellCount; ++n)
        bytes.at(n / 2) |= static_cast<std::uint8_t>((candidate.at(n) + 1) << n % 2 * 4);
    return bytes;
}

std::int8_t pickAt(const std::array<std::uint8_t, pickBytes>& bytes, int n)
{
    return static_cast<std::int8_t>(((bytes.at(n / 2) >> n % 2 * 4) & 0xFu) - 1);
}

std::array<std::uint8_t, setBytes> packSet(const CellSet& cells)
{
    std::array<std::uint8_t, setBytes> bytes{};
    for (std::size_t n = 0; n < cellCount; ++n)
        bytes.at(n / 8) |= static_cast<std::uint8_t>(cells[n] << n % 8);
    return bytes;
}

void fixEach(Orvane_Main& board, const std::array<std::uint8_t, setBytes>& cells, bool fixIt)
{
    for (int n = 0; n < cellCount; ++n)
        if ((cells.at(n / 8) >> n % 8) & 1u)
            cellOf(board, n).fixIt(fixIt);
}

} // namespace

enum class History::Kind : std::uint8_t { Click, Fix, UnFix, Reset, Paste };

History::History(Orvane_Main& board, std::size_t limit) : board_(board), limit_(limit) {}

void History::click(ui::BoxCell place, std::int16_t candidate)
{
    if (press(place, candidate))
        record({.kind = Kind::Click,
                .cell = static_cast<std::uint8_t>(ui::boxMajor(place)),
                .candidate = static_cast<std::uint8_t>(candidate)});
}

void History::fix() { command(board_.window().cmdFix(), Kind::Fix); }
void History::unFix() { command(board_.window().cmdUnFix(), Kind::UnFix); }
void History::reset() { command(board_.window().cmdReset(), Kind::Reset); }

// A paste is recorded, as a command is, when it changed a pick or a freeze.
void History::paste(const Puzzle& puzzle)
{
    std::array<std::int8_t, cellCount> candidate{};
    for (int n = 0; n < cellCount; ++n) {
        const std::int8_t digit = puzzle.given(ui::rowColumnAt(n));
        if (digit < 0 || digit > 9)
            throw std::logic_error("a puzzle's cell holds no digit from 0 to 9");
        candidate.at(ui::boxMajor(ui::boxCellOf(ui::rowColumnAt(n)))) = static_cast<std::int8_t>(digit - 1);
    }
    if (firstRepeat(puzzle))
        throw std::logic_error("a puzzle the board cannot hold reached the history: a given repeats");
    const Picks before = picksOf(board_);
    resetAndPick(packPicks(candidate));
    board_.window().cmdFix().Click.raise();
    if (picksOf(board_) != before)
        record({.kind = Kind::Paste, .picks = packPicks(before.candidate), .cells = packSet(before.frozen)});
}

std::optional<PuzzleProblem> History::paste(std::string_view text)
{
    const std::variant<Puzzle, PuzzleProblem> read = readPuzzle(text);
    if (const auto* problem = std::get_if<PuzzleProblem>(&read))
        return *problem;
    paste(std::get<Puzzle>(read));
    return std::nullopt;
}

// A command is recorded when it changed a pick or a freeze. "Fix" and "Un-Fix"
// keep the cells they changed; "Reset" keeps every pick and freeze it cleared.
void History::command(ui::Button& button, Kind kind)
{
    const Picks before = picksOf(board_);
    button.Click.raise();
    const Picks after = picksOf(board_);
    if (after == before)
        return;
    Record action{.kind = kind};
    if (kind == Kind::Reset) {
        action.picks = packPicks(before.candidate);
        action.cells = packSet(before.frozen);
    } else {
        action.cells = packSet(before.frozen ^ after.frozen);
    }
    record(action);
}

void History::record(const Record& action)
{
    undone_.clear();
    done_.push_back(action);
    if (done_.size() > limit_)
        done_.pop_front();
}

bool History::press(ui::BoxCell place, std::int16_t candidate)
{
    const usrcntBlock& cell = board_.box(place.box).cell(place.cell);
    const bool hadPick = cell.hasPick();
    board_.window().usrcntGrid(place.box).usrcntSquare(place.cell).btnBlock(candidate).Click.raise();
    return cell.hasPick() != hadPick;
}

// A click the history replays always picks or takes back, unless the board was
// played behind its back.
void History::pressAgain(ui::BoxCell place, std::int16_t candidate)
{
    if (!press(place, candidate))
        throw std::logic_error("the history is out of step with the board: a click it replayed changed nothing");
}

void History::resetAndPick(const std::array<std::uint8_t, pickBytes>& picks)
{
    board_.window().cmdReset().Click.raise();
    for (int n = 0; n < cellCount; ++n) {
        const ui::BoxCell place = ui::boxCellOf(ui::rowColumnAt(n));
        if (const std::int8_t pick = pickAt(picks, ui::boxMajor(place)); pick >= 0)
            pressAgain(place, pick);
    }
}

History::Record History::swapBoard(const Record& action)
{
    const Picks shown = picksOf(board_);
    resetAndPick(action.picks);
    fixEach(board_, action.cells, true);
    return {.kind = Kind::Paste, .picks = packPicks(shown.candidate), .cells = packSet(shown.frozen)};
}

History::Step History::undo() { return replay(done_, undone_, true); }
History::Step History::redo() { return replay(undone_, done_, false); }

History::Step History::replay(std::deque<Record>& from, std::deque<Record>& to, bool undoing)
{
    if (from.empty())
        return {};
    Record action = from.back();
    from.pop_back();
    if (action.kind == Kind::Paste)
        action = swapBoard(action);
    else if (undoing)
        reverse(action);
    else
        repeat(action);
    to.push_back(action);
    return {true, action.kind == Kind::Click ? std::optional(boxCellAt(action.cell)) : std::nullopt};
}

// An undone "Reset" picks again on the empty board, then freezes: fixIt finds
// each frozen cell's digit from the bars of all the picks, as "Fix" did.
void History::reverse(const Record& action)
{
    switch (action.kind) {
    case Kind::Click: pressAgain(boxCellAt(action.cell), action.candidate); return;
    case Kind::Fix: fixEach(board_, action.cells, false); return;
    case Kind::UnFix: fixEach(board_, action.cells, true); return;
    case Kind::Reset:
        for (int n = 0; n < cellCount; ++n)
            if (pickAt(action.picks, n) >= 0)
                pressAgain(boxCellAt(n), pickAt(action.picks, n));
        fixEach(board_, action.cells, true);
        return;
    case Kind::Paste: return; // replay swaps a paste's board
    }
}

void History::repeat(const Record& action)
{
    switch (action.kind) {
    case Kind::Click: pressAgain(boxCellAt(action.cell), action.candidate); return;
    case Kind::Fix: board_.window().cmdFix().Click.raise(); return;
    case Kind::UnFix: board_.window().cmdUnFix().Click.raise(); return;
    case Kind::Reset: board_.window().cmdReset().Click.raise(); return;
    case Kind::Paste: return; // replay swaps a paste's board
    }
}
