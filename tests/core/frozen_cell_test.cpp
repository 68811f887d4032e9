#include <gtest/gtest.h>

#include <string>

#include "support/BoardPlaces.h"
#include "support/ReferenceModel.h"
#include "support/TestBoard.h"

using support::PlayerAction;
using support::TestBoard;
using ui::RowColumn;
using ui::SysColor;

namespace {

// A bar that reaches a frozen cell is counted all the same. Were it dropped,
// taking the peer's pick back after the thaw would free a digit the frozen
// cell still holds, and the next "Fix" would show that digit instead.
class FrozenCellKeepsItsBars : public ::testing::TestWithParam<RowColumn> {};

TEST_P(FrozenCellKeepsItsBars, FixShowsThePickNotTheDigitAPeerTookBack)
{
    const RowColumn first{0, 0};
    const RowColumn peer = GetParam();
    const PlayerAction game[] = {
        PlayerAction::click(first, 4), PlayerAction::fix(),          PlayerAction::click(peer, 6),
        PlayerAction::unFix(),         PlayerAction::click(peer, 6), PlayerAction::fix(),
    };
    TestBoard board;
    support::ReferenceModel model;
    for (const PlayerAction& action : game) {
        board.perform(action);
        model.perform(action);
    }

    EXPECT_EQ(board.cell(first).label().caption(), "5");
    EXPECT_FALSE(board.cell(first).button(4).state().visible);
    EXPECT_EQ(board.cell(first).button(6).state().backColor, SysColor::WindowText);
    EXPECT_EQ(board.cell(peer).label().caption(), "");
    EXPECT_EQ(support::describeDifferences(model.visibleState(), board.visibleState()), "");
}

INSTANTIATE_TEST_SUITE_P(Peers, FrozenCellKeepsItsBars,
                         ::testing::Values(RowColumn{0, 2}, RowColumn{0, 5}, RowColumn{7, 0}, RowColumn{1, 1}),
                         [](const ::testing::TestParamInfo<RowColumn>& info) {
                             return "row" + std::to_string(info.param.row) + "_col" + std::to_string(info.param.column);
                         });

} // namespace
