#include "support/RandomPlayer.h"

#include <algorithm>

namespace support {

namespace {

struct Choices {
    std::vector<PlayerAction> picks;     // free candidates of open cells
    std::vector<PlayerAction> takeBacks; // the shown button of picked, thawed cells
    std::vector<RowColumn> fixedCells;
};

Choices choicesOn(const ReferenceModel& model)
{
    Choices choices;
    for (const RowColumn pos : everyRowColumn) {
        if (model.isFixed(pos)) {
            choices.fixedCells.push_back(pos);
            continue;
        }
        for (int i = 0; i < 9; ++i)
            if (model.clickable(pos, i))
                (model.isPicked(pos) ? choices.takeBacks : choices.picks).push_back(PlayerAction::click(pos, i));
    }
    return choices;
}

} // namespace

PlayerAction RandomPlayer::next(const ReferenceModel& model)
{
    using Kind = PlayerAction::Kind;
    // Out of 100, undo: 60 after an undo, 50 after a "Reset" or a paste, else 3;
    // redo: 25 after an undo or a redo, else 2.
    const int roll = undoes_ ? below(100) : 100;
    const int undos = last_ == Kind::Undo ? 60 : last_ == Kind::Reset || last_ == Kind::Paste ? 50 : 3;
    const int redos = last_ == Kind::Undo || last_ == Kind::Redo ? 25 : 2;
    const PlayerAction action = roll < undos           ? PlayerAction::undo()
                                : roll < undos + redos ? PlayerAction::redo()
                                                       : play(model);
    last_ = action.kind;
    return action;
}

PlayerAction RandomPlayer::play(const ReferenceModel& model)
{
    const Choices choices = choicesOn(model);
    // Out of 1000: picks 700, take-backs 180, "Fix" 45, "Un-Fix" 45, a poke at a
    // fixed cell 27, "Reset" 3 (about one game in three hundred moves).
    const int roll = below(1000);
    // Through the history, out of the picks' share: a copy 2, a paste 2.
    if (undoes_ && roll < 4)
        return roll < 2 ? PlayerAction::copy() : PlayerAction::paste(puzzleFor(model));
    if (roll < 700 && !choices.picks.empty())
        return anyOf(choices.picks);
    if (roll < 880 && !choices.takeBacks.empty())
        return anyOf(choices.takeBacks);
    if (roll < 880 && !choices.picks.empty())
        return anyOf(choices.picks);
    if (roll < 880) // stuck: every open cell is barred everywhere and every pick is frozen
        return choices.fixedCells.empty() ? PlayerAction::reset() : PlayerAction::unFix();
    if (roll < 925)
        return PlayerAction::fix();
    if (roll < 970)
        return PlayerAction::unFix();
    if (roll < 997 && !choices.fixedCells.empty())
        return PlayerAction::click(anyOf(choices.fixedCells), below(9));
    if (roll < 997)
        return PlayerAction::fix();
    return PlayerAction::reset();
}

Puzzle RandomPlayer::puzzleFor(const ReferenceModel& model)
{
    Puzzle puzzle;
    if (below(5) < 3) {
        for (const RowColumn pos : everyRowColumn)
            puzzle.digits.at(static_cast<std::size_t>(rowMajorIndexOf(pos))) =
                static_cast<std::int8_t>(model.picked(pos) + 1);
        return puzzle;
    }
    for (int givens = 17 + below(19), tries = 0; givens > 0 && tries < 1000; ++tries) {
        const RowColumn pos = everyRowColumn.at(below(cellCount));
        const auto digit = static_cast<std::int8_t>(1 + below(9));
        const auto holds = [&](RowColumn peer) { return puzzle.given(peer) == digit; };
        const auto& peers = ReferenceModel::peersOf(pos);
        if (puzzle.given(pos) == 0 && std::none_of(peers.begin(), peers.end(), holds)) {
            puzzle.digits.at(static_cast<std::size_t>(rowMajorIndexOf(pos))) = digit;
            --givens;
        }
    }
    return puzzle;
}

} // namespace support
