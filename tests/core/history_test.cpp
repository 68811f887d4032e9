#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "app/History.h"
#include "support/TestBoard.h"
#include "ui/NullPlatform.h"

using support::asSeen;
using ui::BoxCell;

namespace {

// The edges of undo and redo that long random play seldom or never reaches, on
// a board already cleared once (so no "9" wears its design's face).
class HistoryEdges : public ::testing::Test {
protected:
    void SetUp() override { board.pressReset(); }
    std::string differencesFrom(const support::BoardState& expected)
    {
        return support::describeDifferences(asSeen(expected), asSeen(board.visibleState()));
    }
    std::string caption(BoxCell place) { return board.cell(place).label().caption(); }

    support::TestBoard board;
    History& history = board.history();
    const BoxCell a{0, 0}, b{4, 4}, c{8, 8}; // no two share a row, column or box
};

TEST_F(HistoryEdges, WithNothingToUndoOrRedoNothingHappens)
{
    board.log().clear();
    EXPECT_FALSE(history.undo().happened);
    EXPECT_FALSE(history.redo().happened);
    EXPECT_TRUE(board.log().entries().empty());
    // Neither a click on a frozen cell nor a "Fix" that finds nothing to freeze is an action to undo.
    history.click(a, 4);
    history.fix();
    history.click(a, 2);
    history.fix();
    EXPECT_EQ(history.undo().cell, std::nullopt); // the "Fix"
    EXPECT_EQ(history.undo().cell, a);
    EXPECT_FALSE(history.undo().happened);
    EXPECT_EQ(differencesFrom({}), "");
}

TEST_F(HistoryEdges, ANewActionAfterAnUndoLeavesNothingToRedo)
{
    history.click(a, 4);
    history.undo();
    history.click(b, 6);
    EXPECT_FALSE(history.redo().happened);
    EXPECT_TRUE(board.cell(a).button(4).clickable());
    EXPECT_FALSE(board.cell(b).button(5).state().visible);
}

TEST_F(HistoryEdges, AnUndoneResetBringsBackEveryPickAndEveryFrozenCell)
{
    history.click(a, 4);
    history.click(b, 6);
    history.fix();
    history.click(c, 4);
    const support::BoardState before = board.visibleState();
    history.reset();
    const History::Step undone = history.undo();
    EXPECT_TRUE(undone.happened);
    EXPECT_EQ(undone.cell, std::nullopt);
    EXPECT_EQ(differencesFrom(before), "");
    EXPECT_EQ(caption(a) + caption(b) + caption(c), "57");
    history.redo();
    EXPECT_EQ(differencesFrom({}), "");
}

TEST_F(HistoryEdges, AnUndoneFixThawsOnlyTheCellsItFroze)
{
    history.click(a, 4);
    history.fix();
    history.click(b, 6);
    history.fix();
    history.undo();
    EXPECT_EQ(caption(a), "5");
    EXPECT_EQ(caption(b), "");
    EXPECT_TRUE(board.cell(b).button(6).clickable());
}

// Past 10,000 actions the oldest go, whatever their size, and with them their
// memory: 10,000 of the largest that play can record, "Reset" after every pick,
// take at most a MiB, and no more once twice as many have come and gone.
TEST(HistoryLimit, KeepsTheNewest10000ActionsInAtMostAMebibyte)
{
    Orvane_Main board(std::make_unique<ui::NullBoardWindow>());
    History history(board);
    const auto pickAndReset = [&] {
        for (int n = 0; n < 5000; ++n) {
            history.click(BoxCell{8, 8}, 8);
            history.reset();
        }
    };
    pickAndReset();
    const std::size_t full = history.bytes();
    EXPECT_LE(full, 1u << 20);
    history.click(BoxCell{0, 0}, 0);
    for (int n = 0; n < 50; ++n) {
        history.fix();
        history.unFix();
    }
    pickAndReset();
    EXPECT_LE(history.bytes(), full + 1024);
    for (int n = 0; n < 10000; ++n)
        ASSERT_TRUE(history.undo().happened) << n;
    EXPECT_FALSE(history.undo().happened);
    EXPECT_TRUE(board.box(0).cell(0).hasPick());
    EXPECT_FALSE(board.box(0).cell(0).isFrozen() || board.box(8).cell(8).hasPick());
}

} // namespace
