#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/TestBoard.h"
#include "ui/desktop/AccessibleBoard.h"

using ui::desktop::AccessibleBoard;
using ui::desktop::DrawnBoard;
using ui::desktop::DrawnCell;
using ui::desktop::Part;
using Key = DrawnBoard::Key;

namespace {

// The desktop board as both desktops show it, on the real core: its input, its
// focus, what it draws again and what assistive technology reads.
class DrawnBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drawn.focusIn(DrawnCell::Entry::Other);
        picture.paint();
        picture.announced.clear();
    }
    static Part at(int row, int column, int part = Part::none)
    {
        return {static_cast<std::int16_t>(row * 9 + column), static_cast<std::int16_t>(part)};
    }

    support::TestBoard board;
    support::BoardPicture& picture = board.window().picture();
    DrawnBoard& drawn = picture.board();
};

TEST_F(DrawnBoardTest, TabWalksEveryCandidateInTheDesignsOrderThenLeavesAndComesBackFromEitherEnd)
{
    std::set<std::pair<int, int>> seen{{0, 0}};
    while (drawn.keyDown(Key::Next, false))
        seen.insert({drawn.focus().cell, drawn.focus().part});
    EXPECT_EQ(seen.size(), 729u);
    EXPECT_EQ(drawn.focus(), at(8, 8, 8));
    EXPECT_FALSE(drawn.wants(Key::Next));
    drawn.focusOut();
    drawn.focusIn(DrawnCell::Entry::Back);
    EXPECT_EQ(drawn.focus(), at(8, 8, 8));
    drawn.focusOut();
    drawn.focusIn(DrawnCell::Entry::Front);
    EXPECT_EQ(drawn.focus(), at(0, 0, 0));
    for (int n = 0; n < 9; ++n)
        drawn.keyDown(Key::Next, false);
    EXPECT_EQ(drawn.focus(), at(0, 1, 0)) << "after the first cell's nine, the cell beside it";
    drawn.keyDown(Key::Previous, false);
    EXPECT_EQ(drawn.focus(), at(0, 0, 8));
}

TEST_F(DrawnBoardTest, APointIsTheShownCandidateUnderItElseTheLabelElseNothing)
{
    EXPECT_EQ(drawn.at({10, 10}), at(0, 0, 0));
    EXPECT_EQ(drawn.at({196 + 64 + 45, 50}), at(0, 4, 8)) << "box 1, its cell 1, the bottom right candidate";
    EXPECT_EQ(drawn.at({62, 10}), Part{}) << "the gap between two cells";
    board.click(ui::RowColumn{0, 0}, 4);
    EXPECT_EQ(drawn.at({10, 10}), at(0, 0, Part::label)) << "a hidden candidate lets the label show";
}

TEST_F(DrawnBoardTest, ASecondaryPressFocusesAndEscapeLetsGoOfAPressDraggedOff)
{
    EXPECT_TRUE(drawn.press(picture.centreOf(at(2, 3, 5)), false));
    EXPECT_EQ(drawn.focus(), at(2, 3, 5));
    EXPECT_TRUE(picture.clicked.empty());

    drawn.press(picture.centreOf(at(2, 3, 5)), true);
    drawn.drag({-1, -1});
    EXPECT_TRUE(drawn.wants(Key::Escape)) << "a press dragged off is still held";
    drawn.keyDown(Key::Escape, false);
    drawn.drag(picture.centreOf(at(2, 3, 5)));
    drawn.release(picture.centreOf(at(2, 3, 5)));
    EXPECT_TRUE(picture.clicked.empty());
}

TEST_F(DrawnBoardTest, APressByAssistiveTechnologyKeepsTheFocusOnThePickedCandidate)
{
    drawn.press(picture.centreOf(at(4, 4, 3)), false);
    picture.announced.clear();
    AccessibleBoard tree(drawn);
    ASSERT_TRUE(tree.doAction(at(4, 4, 0)));
    EXPECT_EQ(drawn.focus(), at(4, 4, 0));
    int focusEvents = 0;
    for (const auto& [part, what] : picture.announced)
        focusEvents += what == ui::desktop::BoardView::Announcement::Focus ? 1 : 0;
    EXPECT_EQ(focusEvents, 1) << "the focus moves once, to the pick, and no further";
}

TEST_F(DrawnBoardTest, APickDrawsAgainTheCandidatesItHidOrBarredAndNothingElse)
{
    // A first pick and take-back gives each peer's "9" the face it keeps.
    board.click(ui::RowColumn{4, 4}, 6);
    board.click(ui::RowColumn{4, 4}, 6);
    picture.paint();
    board.click(ui::RowColumn{4, 4}, 6);
    std::set<std::pair<int, int>> squares;
    for (const ui::desktop::Rect& area : picture.paint()) {
        EXPECT_EQ(area.width, 20) << "no cell is drawn again whole";
        squares.insert({area.left, area.top});
    }
    EXPECT_EQ(squares.size(), 20u + 8u) << "the twenty bars, and the picked cell's other eight hidden";
}

TEST_F(DrawnBoardTest, ScreenReadersReadANineByNineTableOfNamedCells)
{
    AccessibleBoard tree(drawn);
    EXPECT_EQ(AccessibleBoard::role({}), AccessibleBoard::Role::Table);
    ASSERT_EQ(AccessibleBoard::childCount({}), 81);
    const Part cell = AccessibleBoard::cellAt(3, 6);
    EXPECT_EQ(tree.name(cell), "Row 4, column 7");
    EXPECT_EQ(AccessibleBoard::role(cell), AccessibleBoard::Role::Cell);
    ASSERT_EQ(AccessibleBoard::childCount(cell), 10);
    EXPECT_EQ(tree.name(AccessibleBoard::child(cell, 4)), "Row 4, column 7, candidate 5");
    EXPECT_EQ(tree.action(AccessibleBoard::child(cell, 4)), "Press");
    EXPECT_EQ(AccessibleBoard::role(AccessibleBoard::child(cell, 9)), AccessibleBoard::Role::StaticText);

    board.click(ui::RowColumn{3, 6}, 4);
    board.pressFix();
    EXPECT_EQ(tree.name(AccessibleBoard::child(cell, 9)), "Row 4, column 7, digit 5");
    EXPECT_TRUE(tree.states(AccessibleBoard::child(cell, 4)).invisible);
    EXPECT_TRUE(tree.states(at(3, 0, 4)).unavailable) << "barred in the row";
    EXPECT_EQ(AccessibleBoard::parent(AccessibleBoard::child(cell, 4)), cell);
}

} // namespace
