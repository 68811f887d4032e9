#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "fuzz/BoardInvariants.h"
#include "support/RandomPlayer.h"
#include "support/ReferenceModel.h"
#include "support/TestBoard.h"

using support::PlayerAction;

namespace {

constexpr int stepsPerGame = 13000;

struct Coverage {
    int mostPicks = 0;
    int fixesOnFullerBoards = 0; // "Fix" with at least 30 picks on the board
    int resets = 0;
    int undoneResets = 0; // undos that brought back 30 picks or more to an empty board
};

// Plays a long seeded game on the real board and on the reference model side
// by side and compares everything the player can see after every move, half
// the clicks made by hand on the cells the desktops draw (support::asSeen: a
// pick that undo makes again hides what is barred now). The player undoes and
// redoes too, through the board's history, and after each of those every
// counter of the board must also hold exactly the bars the model's picks imply.
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

    ASSERT_EQ(support::describeDifferences(model.visibleState(), board.visibleState()), "") << "seed " << seed;
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

        // Every other free candidate is clicked by hand, on the desktop board.
        const bool byHand = action.kind == PlayerAction::Kind::Click && step % 2 == 0 &&
                            board.cell(action.pos).button(static_cast<std::int16_t>(action.candidate)).clickable();
        const bool acted = byHand ? board.clickByHand(ui::boxCellOf(action.pos), action.candidate, step / 2 % 4)
                                  : board.perform(action);
        ASSERT_EQ(acted, model.perform(action)) << where();
        coverage.mostPicks = std::max(coverage.mostPicks, model.pickCount());
        coverage.undoneResets += action.kind == PlayerAction::Kind::Undo && picksBefore == 0 && model.pickCount() >= 30;

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
}

// Eight games of 13,000 moves: 104,000 compared steps.
INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlay, ::testing::Values(1u, 2u, 3u, 5u, 8u, 13u, 21u, 20260407u));

} // namespace
