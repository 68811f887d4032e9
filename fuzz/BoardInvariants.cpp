#include "fuzz/BoardInvariants.h"

#include <array>
#include <cstdint>
#include <vector>

namespace fuzz {

using support::ButtonState;
using support::CellState;
using ui::RowColumn;
using ui::SysColor;

namespace {

using DigitSet = std::uint16_t; // bit i: candidate i

// For every cell, the candidates its 20 peers hold, found by coordinates.
std::array<DigitSet, support::cellCount> heldByPeers(const support::ReferenceModel& picks)
{
    std::array<DigitSet, support::cellCount> held{};
    for (const RowColumn pos : support::everyRowColumn) {
        const int pick = picks.picked(pos);
        if (pick < 0)
            continue;
        for (RowColumn peer : support::ReferenceModel::peersOf(pos))
            held.at(support::rowMajorIndexOf(peer)) |= static_cast<DigitSet>(1u << pick);
    }
    return held;
}

class Findings {
public:
    explicit Findings(std::size_t limit) : limit_(limit) {}

    void add(RowColumn pos, const std::string& what)
    {
        if (count_++ < limit_)
            text_ += "row " + std::to_string(pos.row) + ", col " + std::to_string(pos.column) + ": " + what + '\n';
    }

    std::string text() const
    {
        return count_ > limit_ ? text_ + "... and " + std::to_string(count_ - limit_) + " more\n" : text_;
    }

private:
    std::size_t limit_;
    std::size_t count_ = 0;
    std::string text_;
};

std::string digit(int candidate) { return "\"" + std::to_string(candidate + 1) + "\""; }

bool shownFree(const ButtonState& button, int candidate)
{
    return button.enabled &&
           (button.backColor == SysColor::ButtonFace || (candidate == 8 && button.backColor == SysColor::ActiveBorder));
}

void checkOpen(RowColumn pos, const CellState& cell, DigitSet held, Findings& out)
{
    for (int i = 0; i < 9; ++i) {
        const ButtonState& button = cell.btnBlock.at(i);
        const bool barred = (held >> i) & 1u;
        if (!button.visible)
            out.add(pos, "open cell hides " + digit(i));
        else if (!barred && !shownFree(button, i))
            out.add(pos, digit(i) + " is barred, but no peer holds it");
        else if (barred && (button.enabled || button.backColor != SysColor::WindowText))
            out.add(pos, digit(i) + " is free, but a peer holds it");
    }
}

void checkPicked(RowColumn pos, const CellState& cell, int pick, Findings& out)
{
    for (int i = 0; i < 9; ++i) {
        const ButtonState& button = cell.btnBlock.at(i);
        if (i == pick && !(button.visible && button.enabled && button.backColor == SysColor::ButtonFace))
            out.add(pos, "the pick " + digit(i) + " is not shown free");
        else if (i != pick && (button.visible || button.backColor != SysColor::WindowText))
            out.add(pos, digit(i) + " is not shown barred beside the pick " + digit(pick));
    }
}

void checkFixed(RowColumn pos, const CellState& cell, int pick, Findings& out)
{
    if (cell.caption != std::to_string(pick + 1))
        out.add(pos, "fixed on " + digit(pick) + " but shows \"" + cell.caption + "\"");
    if (cell.btnBlock.at(pick).visible)
        out.add(pos, "fixed on " + digit(pick) + " but its button still shows");
}

} // namespace

std::string brokenInvariants(const support::BoardState& shown, const support::ReferenceModel& picks, std::size_t limit)
{
    const auto held = heldByPeers(picks);
    Findings out(limit);
    for (const RowColumn pos : support::everyRowColumn) {
        const CellState& cell = shown.at(pos);
        const DigitSet peersHold = held.at(support::rowMajorIndexOf(pos));
        const int pick = picks.picked(pos);
        if (pick >= 0 && ((peersHold >> pick) & 1u))
            out.add(pos, "picked " + digit(pick) + ", which a peer holds too");
        if (picks.isFixed(pos)) {
            checkFixed(pos, cell, pick, out);
            continue;
        }
        if (!cell.caption.empty())
            out.add(pos, "not fixed but shows \"" + cell.caption + "\"");
        if (pick >= 0)
            checkPicked(pos, cell, pick, out);
        else
            checkOpen(pos, cell, peersHold, out);
    }
    return out.text();
}

std::string wrongCounters(const Orvane_Main& board, const support::ReferenceModel& picks, std::size_t limit)
{
    Findings out(limit);
    for (const RowColumn pos : support::everyRowColumn) {
        const ui::BoxCell place = ui::boxCellOf(pos);
        const usrcntBlock& cell = board.box(place.box).cell(place.cell);
        for (std::int16_t i = 0; i <= 9; ++i) {
            const int expected = i < 9 ? picks.bars(pos, i) : 0;
            if (cell.barsOn(i) != expected)
                out.add(pos, "counter " + std::to_string(i) + " holds " + std::to_string(cell.barsOn(i)) +
                                 ", the picks imply " + std::to_string(expected));
        }
    }
    return out.text();
}

} // namespace fuzz
