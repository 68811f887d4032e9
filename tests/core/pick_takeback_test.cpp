#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/BoardPlaces.h"
#include "support/ReferenceModel.h"
#include "support/TestBoard.h"
#include "support/VisibleState.h"

using support::BoardState;
using support::TestBoard;
using ui::BoxCell;
using ui::RowColumn;
using ui::SysColor;

namespace {

// The 20 cells that share a row, a column or a 3x3 block with pos, as the
// reference model finds them: by board coordinates alone.
std::set<BoxCell> peersByCoordinates(RowColumn pos)
{
    std::set<BoxCell> peers;
    for (const RowColumn peer : support::ReferenceModel::peersOf(pos))
        peers.insert(ui::boxCellOf(peer));
    return peers;
}

class PickAndTakeBack : public ::testing::TestWithParam<int> {
protected:
    BoxCell place() const { return support::boxCellOfOrdinal(GetParam()); }
    RowColumn pos() const { return ui::rowColumnOf(place()); }
};

TEST_P(PickAndTakeBack, TouchesExactlyThePeersAndRestoresTheClearedBoard)
{
    TestBoard board;
    board.pressReset();
    const BoardState cleared = board.visibleState();
    ASSERT_EQ(cleared, BoardState{});
    const std::set<BoxCell> peers = peersByCoordinates(pos());
    ASSERT_EQ(peers.size(), 20u);

    for (int candidate = 0; candidate < 9; ++candidate) {
        SCOPED_TRACE("candidate " + std::to_string(candidate));
        board.log().clear();
        board.click(place(), candidate);

        const auto runs = board.log().cellRuns();
        ASSERT_EQ(runs.size(), 21u);
        EXPECT_EQ(runs.front(), place());
        EXPECT_EQ(std::set<BoxCell>(runs.begin() + 1, runs.end()), peers);

        // The picked cell shows only its pick; the peers show the digit barred and nothing else.
        BoardState expected = cleared;
        for (int i = 0; i < 9; ++i)
            if (i != candidate)
                expected.at(place()).btnBlock.at(i) = {false, true, SysColor::WindowText};
        for (BoxCell peer : peers)
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
        for (BoxCell peer : peersByCoordinates(pos()))
            expected.at(peer).btnBlock.at(8).backColor = SysColor::ButtonFace;
        EXPECT_EQ(support::describeDifferences(expected, board.visibleState()), "");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCell, PickAndTakeBack, ::testing::Range(0, support::cellCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             const BoxCell p = support::boxCellOfOrdinal(info.param);
                             return "box" + std::to_string(p.box) + "_cell" + std::to_string(p.cell);
                         });

} // namespace
