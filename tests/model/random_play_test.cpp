#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>

#include "app/PuzzleText.h"
#include "fuzz/BoardInvariants.h"
#include "support/RandomPlayer.h"
#include "support/ReferenceModel.h"
#include "support/TestBoard.h"
#include "ui/desktop/AccessibilityTree.h"

using support::PlayerAction;
using ui::desktop::Part;
using Tree = ui::desktop::AccessibilityTree;

namespace {

struct ShownWindow final : Tree::Window {
    bool shown() const override { return true; }
    bool enabled() const override { return true; }
    ui::desktop::Point origin() const override { return {}; }
};

// What screen readers find, held to the model rather than to the desktop board
// it reads, so that a fault inside the tree cannot cancel out: every shown
// candidate available exactly while the model lets it be clicked, and the focus
// on a candidate the model lets be clicked, or on a cell that has none, through
// its label while the model shows a digit there.
std::string treeDiffers(const Tree& tree, const support::BoardState& model)
{
    for (std::int16_t n = 0; n < 81; ++n) {
        const support::CellState& cell = model.at(ui::rowColumnAt(n));
        for (std::int16_t i = 0; i < 9; ++i) {
            const Tree::States states = tree.states({n, i});
            const support::ButtonState& button = cell.btnBlock.at(static_cast<std::size_t>(i));
            if (states.invisible == button.visible || (button.visible && states.unavailable == button.enabled))
                return tree.name({n, i}) + ": shown or available against the model";
        }
    }
    const std::optional<Part> focus = tree.focus();
    if (!focus)
        return "";
    const support::CellState& cell = model.at(ui::rowColumnAt(focus->cell));
    const bool anyFree = std::ranges::any_of(cell.btnBlock, &support::ButtonState::clickable);
    const bool fits = focus->part >= 0 && focus->part < 9
                          ? cell.btnBlock.at(static_cast<std::size_t>(focus->part)).clickable()
                          : !anyFree && (focus->part == Part::label) == !cell.caption.empty();
    return fits ? "" : "the focus rests on " + std::to_string(focus->cell) + "/" + std::to_string(focus->part);
}

constexpr int stepsPerGame = 13000;

struct Coverage {
    int mostPicks = 0;
    int fixesOnFullerBoards = 0; // "Fix" with at least 30 picks on the board
    int resets = 0;
    int undoneResets = 0; // undos that brought back 30 picks or more to an empty board
    int ownCopiesPasted = 0;
    int undonePastes = 0;
};

// Plays a long seeded game on the real board and on the reference model side
// by side and compares everything the player can see after every move, half
// the clicks made by hand on the cells the desktops draw (support::asSeen: a
// pick that undo makes again hides what is barred now). The player undoes and
// redoes too, through the board's history, and after each of those every
// counter of the board must also hold exactly the bars the model's picks imply.
// It copies the board, which must read back as the same puzzle, and pastes: its
// own copy must come back as the same picks, all fixed.
class RandomPlay : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomPlay, BoardShowsWhatTheReferenceModelPredicts)
{
    const std::uint32_t seed = GetParam();
    support::TestBoard board;
    board.log().setRecording(false);
    support::ReferenceModel model(support::TestBoard::historyLimit);
    support::RandomPlayer player(seed, true);
    support::RecentMoves recent(12);
    Coverage coverage;
    support::BoardPicture& picture = board.window().picture();
    const ShownWindow window;
    const Tree tree{picture.board(), window};
    Part heard; // the focus screen readers last heard of

    ASSERT_EQ(support::describeDifferences(model.visibleState(), board.visibleState()), "") << "seed " << seed;
    PlayerAction::Kind previous = PlayerAction::Kind::Click;
    for (int step = 1; step <= stepsPerGame; ++step) {
        const PlayerAction action = player.next(model);
        recent.add(action);
        const auto where = [&] {
            return "seed " + std::to_string(seed) + ", step " + std::to_string(step) + " (" + action.text() + ")\n" +
                   recent.text();
        };
        if (action.kind == PlayerAction::Kind::Fix && model.pickCount() >= 30)
            ++coverage.fixesOnFullerBoards;
        coverage.resets += action.kind == PlayerAction::Kind::Reset ? 1 : 0;
        const int picksBefore = model.pickCount();
        const bool travels = action.kind == PlayerAction::Kind::Undo || action.kind == PlayerAction::Kind::Redo;
        const bool throughText = action.kind == PlayerAction::Kind::Paste || action.kind == PlayerAction::Kind::Copy;
        const Puzzle boardBefore = throughText ? puzzleOf(board.board()) : Puzzle{};
        const bool pastesOwnCopy = action.kind == PlayerAction::Kind::Paste && action.puzzle == boardBefore;
        if (action.kind == PlayerAction::Kind::Copy) {
            const std::string copy = board.copy();
            ASSERT_EQ(copy, model.copyText()) << where();
            const auto read = readPuzzle(copy);
            ASSERT_TRUE(std::holds_alternative<Puzzle>(read) && std::get<Puzzle>(read) == boardBefore) << where();
        }

        // Every other free candidate is clicked by hand, on the desktop board.
        const bool byHand = action.kind == PlayerAction::Kind::Click && step % 2 == 0 &&
                            board.cell(action.pos).button(static_cast<std::int16_t>(action.candidate)).clickable();
        picture.announced.clear();
        const bool acted = byHand ? board.clickByHand(ui::boxCellOf(action.pos), action.candidate, step / 2 % 4)
                                  : board.perform(action);
        ASSERT_EQ(acted, model.perform(action)) << where();
        int focusEvents = 0;
        for (const auto& [part, what] : picture.announced)
            if (what == ui::desktop::BoardView::Announcement::Focus) {
                heard = part;
                ++focusEvents;
            }
        ASSERT_EQ(picture.focusHeardAway, 0) << where();
        ASSERT_LE(focusEvents, byHand ? 99 : 1) << "one focus event for one action, " << where();
        // A click on the core itself, not through the board as a player's, is heard of at the board's next
        // action; a copy changes nothing.
        const bool throughBoard = byHand || (action.kind != PlayerAction::Kind::Click && !throughText) ||
                                  action.kind == PlayerAction::Kind::Paste;
        if (picture.board().hasFocus() && throughBoard) {
            ASSERT_EQ(heard, picture.board().focus()) << "screen readers last heard of another focus, " << where();
        }
        ASSERT_EQ(treeDiffers(tree, model.visibleState()), "") << where();
        coverage.mostPicks = std::max(coverage.mostPicks, model.pickCount());
        coverage.undoneResets += action.kind == PlayerAction::Kind::Undo && picksBefore == 0 && model.pickCount() >= 30;
        coverage.undonePastes += action.kind == PlayerAction::Kind::Undo && previous == PlayerAction::Kind::Paste;
        previous = action.kind;
        if (pastesOwnCopy) {
            ++coverage.ownCopiesPasted;
            ASSERT_EQ(puzzleOf(board.board()), boardBefore) << where();
            for (const auto pos : support::everyRowColumn) {
                const ui::BoxCell place = ui::boxCellOf(pos);
                ASSERT_EQ(board.board().box(place.box).cell(place.cell).isFrozen(), boardBefore.given(pos) > 0)
                    << where();
            }
        }

        const std::string differences =
            support::describeDifferences(support::asSeen(model.visibleState()), support::asSeen(board.visibleState()));
        ASSERT_EQ(differences, "") << where();
        if (travels) {
            ASSERT_EQ(fuzz::wrongCounters(board.board(), model), "") << where();
        }
        ASSERT_TRUE(board.drawnBoardShowsWhatItHolds()) << where();
    }

    // A game that never fills the board or never freezes a full one would prove little.
    EXPECT_GE(coverage.mostPicks, 70) << "seed " << seed;
    EXPECT_GE(coverage.fixesOnFullerBoards, 300) << "seed " << seed;
    EXPECT_GE(coverage.resets, 20) << "seed " << seed;
    EXPECT_GE(coverage.undoneResets, 10) << "seed " << seed;
    EXPECT_GE(coverage.ownCopiesPasted, 5) << "seed " << seed;
    EXPECT_GE(coverage.undonePastes, 5) << "seed " << seed;
}

// Eight games of 13,000 moves: 104,000 compared steps.
INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlay, ::testing::Values(1u, 2u, 3u, 5u, 8u, 13u, 21u, 20260407u));

} // namespace
