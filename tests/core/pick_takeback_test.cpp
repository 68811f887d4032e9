#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/BoardPlaces.h"
#include "support/TestBoard.h"
#include "support/VisibleState.h"

using support::BoardPos;
using support::BoardState;
using support::CellPlace;
using support::TestBoard;
using ui::SysColor;

namespace {

// The 20 cells that share a row, a column or a 3x3 block with pos, worked out
// from board coordinates alone.
std::set<CellPlace> peersByCoordinates(BoardPos pos)
{
    std::set<CellPlace> peers;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const bool shares = r == pos.row || c == pos.col || (r / 3 == pos.row / 3 && c / 3 == pos.col / 3);
            if (shares && (r != pos.row || c != pos.col))
                peers.insert(support::placeOf({r, c}));
        }
    return peers;
}

class PickAndTakeBack : public ::testing::TestWithParam<int> {
protected:
    CellPlace place() const { return support::placeOfOrdinal(GetParam()); }
    BoardPos pos() const { return support::posOf(place()); }
};

TEST_P(PickAndTakeBack, TouchesExactlyThePeersAndRestoresTheClearedBoard)
{
    TestBoard board;
    board.pressReset();
    const BoardState cleared = board.visibleState();
    ASSERT_EQ(cleared, BoardState{});
    const std::set<CellPlace> peers = peersByCoordinates(pos());
    ASSERT_EQ(peers.size(), 20u);

    for (int candidate = 0; candidate < 9; ++candidate) {
        SCOPED_TRACE("candidate " + std::to_string(candidate));
        board.log().clear();
        board.click(place(), candidate);

        const auto runs = board.log().cellRuns();
        ASSERT_EQ(runs.size(), 21u);
        EXPECT_EQ(runs.front(), place());
        EXPECT_EQ(std::set<CellPlace>(runs.begin() + 1, runs.end()), peers);

        // The picked cell shows only its pick; the peers show the digit barred and nothing else.
        BoardState expected = cleared;
        for (int i = 0; i < 9; ++i)
            if (i != candidate)
                expected.at(place()).btnBlock.at(i) = {false, true, SysColor::WindowText};
        for (CellPlace peer : peers)
            expected.at(peer).btnBlock.at(candidate) = {true, false, SysColor::WindowText};
        EXPECT_EQ(support::describeDifferences(expected, board.visibleState()), "");

        board.click(place(), candidate);
        EXPECT_EQ(support::describeDifferences(cleared, board.visibleState()), "");
    }
}

TEST_P(PickAndTakeBack, OnAFreshBoardOnlyTheRepaintedNinesChangeFace)
{
    for (int candidate = 0; candidate < 9; ++candidate) {
        SCOPED_TRACE("candidate " + std::to_string(candidate));
        TestBoard board;
        BoardState expected = board.visibleState();
        board.click(place(), candidate);
        board.click(place(), candidate);

        // The design-time Active border of "9" lasts until a cell first repaints.
        expected.at(place()).btnBlock.at(8).backColor = SysColor::ButtonFace;
        for (CellPlace peer : peersByCoordinates(pos()))
            expected.at(peer).btnBlock.at(8).backColor = SysColor::ButtonFace;
        EXPECT_EQ(support::describeDifferences(expected, board.visibleState()), "");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCell, PickAndTakeBack, ::testing::Range(0, support::cellCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             const CellPlace p = support::placeOfOrdinal(info.param);
                             return "grid" + std::to_string(p.grid) + "_cell" + std::to_string(p.cell);
                         });

} // namespace
