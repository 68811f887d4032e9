#include "app/History.h"

#include <array>
#include <bitset>
#include <stdexcept>

namespace {

constexpr int cellCount = 81;
using CellSet = std::bitset<cellCount>;
// A set of cells packs into 11 bytes; the picks of all 81 cells, a half-byte each, into 41.
constexpr std::size_t setBytes = (cellCount + 7) / 8;
constexpr std::size_t pickBytes = (cellCount + 1) / 2;

// Cells are numbered 0 to 80 in the window's order: box by box, cell by cell.
ui::BoxCell placeOf(int n) { return {static_cast<std::int16_t>(n / 9), static_cast<std::int16_t>(n % 9)}; }
int numberOf(ui::BoxCell place) { return place.box * 9 + place.cell; }
const usrcntBlock& cellOf(const Orvane_Main& board, int n) { return board.box(placeOf(n).box).cell(placeOf(n).cell); }
usrcntBlock& cellOf(Orvane_Main& board, int n) { return board.box(placeOf(n).box).cell(placeOf(n).cell); }

// What the history needs to know of the board: each cell's pick (-1 for none)
// and which cells are frozen. The bars follow from the picks.
struct Picks {
    std::array<std::int8_t, cellCount> candidate{};
    CellSet frozen;
    bool operator==(const Picks&) const = default;
};

// The cell does not store its pick: as fixIt does, it is the highest candidate nothing bars.
std::int8_t pickOf(const usrcntBlock& cell)
{
    std::int8_t pick = 0;
    for (std::int16_t j = 0; j <= 8; ++j)
        if (cell.barsOn(j) == 0)
            pick = static_cast<std::int8_t>(j);
    return pick;
}

Picks picksOf(const Orvane_Main& board)
{
    Picks picks;
    for (int n = 0; n < cellCount; ++n) {
        const usrcntBlock& cell = cellOf(board, n);
        picks.candidate.at(n) = cell.hasPick() ? pickOf(cell) : -1;
        picks.frozen.set(n, cell.isFrozen());
    }
    return picks;
}

void appendSet(std::vector<std::uint8_t>& out, const CellSet& cells)
{
    for (std::size_t byte = 0; byte < setBytes; ++byte) {
        std::uint8_t bits = 0;
        for (std::size_t bit = 0; bit < 8 && byte * 8 + bit < cellCount; ++bit)
            bits |= static_cast<std::uint8_t>(cells[byte * 8 + bit] << bit);
        out.push_back(bits);
    }
}

CellSet readSet(const std::vector<std::uint8_t>& record, std::size_t at)
{
    CellSet cells;
    for (std::size_t n = 0; n < cellCount; ++n)
        cells.set(n, (record.at(at + n / 8) >> (n % 8)) & 1u);
    return cells;
}

// Two cells a byte, each as its candidate + 1, or 0 for no pick.
void appendPicks(std::vector<std::uint8_t>& out, const std::array<std::int8_t, cellCount>& candidate)
{
    for (std::size_t n = 0; n < cellCount; n += 2) {
        const int second = n + 1 < cellCount ? candidate.at(n + 1) + 1 : 0;
        out.push_back(static_cast<std::uint8_t>((candidate.at(n) + 1) | second << 4));
    }
}

std::array<std::int8_t, cellCount> readPicks(const std::vector<std::uint8_t>& record, std::size_t at)
{
    std::array<std::int8_t, cellCount> candidate{};
    for (std::size_t n = 0; n < cellCount; ++n)
        candidate.at(n) = static_cast<std::int8_t>(((record.at(at + n / 2) >> (n % 2 * 4)) & 0xFu) - 1);
    return candidate;
}

void fixEach(Orvane_Main& board, const CellSet& cells, bool fixIt)
{
    for (int n = 0; n < cellCount; ++n)
        if (cells[n])
            cellOf(board, n).fixIt(fixIt);
}

} // namespace

enum class History::Kind : std::uint8_t { Click, Fix, UnFix, Reset };

// A record unpacked. Packed, it is the kind, then for a click the cell's number
// and the candidate; for "Fix" and "Un-Fix" the set of cells it froze or thawed;
// for "Reset" the picks and then the frozen cells it cleared.
struct History::Action {
    Kind kind = Kind::Click;
    ui::BoxCell place;
    std::int16_t candidate = 0;
    Picks picks; // "Reset": the board before it; "Fix", "Un-Fix": the cells it changed, as frozen

    explicit Action(const std::vector<std::uint8_t>& record) : kind(static_cast<Kind>(record.at(0)))
    {
        if (kind == Kind::Click) {
            place = placeOf(record.at(1));
            candidate = record.at(2);
        } else if (kind == Kind::Reset) {
            picks.candidate = readPicks(record, 1);
            picks.frozen = readSet(record, 1 + pickBytes);
        } else {
            picks.frozen = readSet(record, 1);
        }
    }

    Step step() const { return {true, kind == Kind::Click ? std::optional(place) : std::nullopt}; }
};

History::History(Orvane_Main& board, std::size_t limit) : board_(board), limit_(limit) {}

void History::click(ui::BoxCell place, std::int16_t candidate)
{
    if (press(place, candidate))
        record({static_cast<std::uint8_t>(Kind::Click), static_cast<std::uint8_t>(numberOf(place)),
                static_cast<std::uint8_t>(candidate)});
}

void History::fix() { command(board_.window().cmdFix(), Kind::Fix); }
void History::unFix() { command(board_.window().cmdUnFix(), Kind::UnFix); }
void History::reset() { command(board_.window().cmdReset(), Kind::Reset); }

// A command is recorded when it changed a pick or a freeze. "Fix" and "Un-Fix"
// keep the cells they changed; "Reset" keeps every pick and freeze it cleared.
void History::command(ui::Button& button, Kind kind)
{
    const Picks before = picksOf(board_);
    button.Click.raise();
    const Picks after = picksOf(board_);
    if (after == before)
        return;
    std::vector<std::uint8_t> action{static_cast<std::uint8_t>(kind)};
    if (kind == Kind::Reset) {
        appendPicks(action, before.candidate);
        appendSet(action, before.frozen);
    } else {
        appendSet(action, before.frozen ^ after.frozen);
    }
    record(action);
}

void History::record(const std::vector<std::uint8_t>& action)
{
    undone_.clear();
    done_.push(action);
    if (done_.count() > limit_)
        done_.dropOldest();
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

History::Step History::undo()
{
    if (done_.empty())
        return {};
    const std::vector<std::uint8_t> record = done_.pop();
    const Action action(record);
    reverse(action);
    undone_.push(record);
    return action.step();
}

History::Step History::redo()
{
    if (undone_.empty())
        return {};
    const std::vector<std::uint8_t> record = undone_.pop();
    const Action action(record);
    repeat(action);
    done_.push(record);
    return action.step();
}

// An undone "Reset" picks again on the empty board, then freezes: fixIt finds
// each frozen cell's digit from the bars of all the picks, as "Fix" did.
void History::reverse(const Action& action)
{
    switch (action.kind) {
    case Kind::Click: pressAgain(action.place, action.candidate); return;
    case Kind::Fix: fixEach(board_, action.picks.frozen, false); return;
    case Kind::UnFix: fixEach(board_, action.picks.frozen, true); return;
    case Kind::Reset:
        for (int n = 0; n < cellCount; ++n)
            if (action.picks.candidate.at(n) >= 0)
                pressAgain(placeOf(n), action.picks.candidate.at(n));
        fixEach(board_, action.picks.frozen, true);
        return;
    }
}

void History::repeat(const Action& action)
{
    switch (action.kind) {
    case Kind::Click: pressAgain(action.place, action.candidate); return;
    case Kind::Fix: board_.window().cmdFix().Click.raise(); return;
    case Kind::UnFix: board_.window().cmdUnFix().Click.raise(); return;
    case Kind::Reset: board_.window().cmdReset().Click.raise(); return;
    }
}
