#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>

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
};

int picksOn(const support::ReferenceModel& model)
{
    int picks = 0;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            picks += model.isPicked({r, c}) ? 1 : 0;
    return picks;
}

std::string lastMoves(const std::deque<std::string>& moves)
{
    std::string out;
    for (const std::string& move : moves)
        out += "  " + move + '\n';
    return out;
}

// Plays a long seeded game on the real board and on the reference model side
// by side and compares everything the player can see after every move.
class RandomPlay : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomPlay, BoardShowsWhatTheReferenceModelPredicts)
{
    const std::uint32_t seed = GetParam();
    support::TestBoard board;
    board.log().setRecording(false);
    support::ReferenceModel model;
    support::RandomPlayer player(seed);
    std::deque<std::string> recent;
    Coverage coverage;

    ASSERT_EQ(support::describeDifferences(model.visibleState(), board.visibleState()), "") << "seed " << seed;
    for (int step = 1; step <= stepsPerGame; ++step) {
        const PlayerAction action = player.next(model);
        recent.push_back(std::to_string(step) + ": " + action.text());
        if (recent.size() > 12)
            recent.pop_front();
        if (action.kind == PlayerAction::Kind::Fix && picksOn(model) >= 30)
            ++coverage.fixesOnFullerBoards;
        coverage.resets += action.kind == PlayerAction::Kind::Reset ? 1 : 0;

        board.perform(action);
        model.perform(action);
        coverage.mostPicks = std::max(coverage.mostPicks, picksOn(model));

        const std::string differences = support::describeDifferences(model.visibleState(), board.visibleState());
        ASSERT_EQ(differences, "") << "seed " << seed << ", step " << step << " (" << action.text()
                                   << ")\nlast moves:\n"
                                   << lastMoves(recent);
    }

    // A game that never fills the board or never freezes a full one would prove little.
    EXPECT_GE(coverage.mostPicks, 70) << "seed " << seed;
    EXPECT_GE(coverage.fixesOnFullerBoards, 300) << "seed " << seed;
    EXPECT_GE(coverage.resets, 20) << "seed " << seed;
}

// Eight games of 13,000 moves: 104,000 compared steps.
INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlay, ::testing::Values(1u, 2u, 3u, 5u, 8u, 13u, 21u, 20260407u));

} // namespace
