#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>

#include "support/TestBoard.h"
#include "ui/Keys.h"
#include "ui/desktop/AccessibilityTree.h"

using ui::desktop::DrawnBoard;
using ui::desktop::DrawnCell;
using ui::desktop::Part;
using Key = DrawnBoard::Key;
using Tree = ui::desktop::AccessibilityTree;

namespace {

// The desktop board as both desktops show it, on the real core: its input, its
// focus, what it draws again and what assistive technology reads.
class DrawnBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drawn.focusIn(DrawnBoard::Entry::Other);
        picture.paint();
        picture.announced.clear();
    }
    static Part at(int row, int column, int part = Part::none)
    {
        return {static_cast<std::int16_t>(row * 9 + column), static_cast<std::int16_t>(part)};
    }

    // The surface as its toolkit would tell the tree of it.
    struct Window final : Tree::Window {
        bool shown() const override { return true; }
        bool enabled() const override { return isEnabled; }
        ui::desktop::Point origin() const override { return {100, 50}; }
        bool isEnabled = true;
    };

    support::TestBoard board;
    support::BoardPicture& picture = board.window().picture();
    DrawnBoard& drawn = picture.board();
    Window window;
    Tree tree{drawn, window};
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
    drawn.focusIn(DrawnBoard::Entry::Back);
    EXPECT_EQ(drawn.focus(), at(8, 8, 8));
    drawn.focusOut();
    drawn.focusIn(DrawnBoard::Entry::Front);
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
    ASSERT_TRUE(tree.doAction(at(4, 4, 0)));
    EXPECT_EQ(tree.focus(), at(4, 4, 0));
    EXPECT_TRUE(tree.states(at(4, 4, 0)).focused);
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

// Every node is its parent's child where the parent says, lies within it and is
// found there by a hit test; each cell and candidate has a name of its own.
TEST_F(DrawnBoardTest, ScreenReadersWalkATableOfCellsEachHoldingItsCandidatesAndLabel)
{
    board.click(ui::RowColumn{3, 6}, 4);
    board.pressFix();
    std::set<std::string> names;
    const std::function<void(Part)> walk = [&](Part node) {
        for (int i = 0; i < Tree::childCount(node); ++i) {
            const Part child = Tree::child(node, i).value();
            const ui::desktop::Rect place = tree.bounds(child);
            EXPECT_TRUE(Tree::parent(child) == node && Tree::indexInParent(child) == i) << tree.name(child);
            EXPECT_EQ(place.united(tree.bounds(node)), tree.bounds(node)) << tree.name(child);
            if (!tree.states(child).invisible && Tree::role(child) != Tree::Role::StaticText) {
                EXPECT_EQ(tree.childAt(node, {place.left + 10, place.top + 10}), child) << tree.name(child);
            }
            names.insert(tree.name(child));
            walk(child);
        }
    };
    walk({});
    EXPECT_EQ(names.size(), 81u + 729u + 2u) << "the labels: all empty but one";
    EXPECT_EQ(Tree::description({}), ui::keysDescription);
    EXPECT_EQ(tree.name(Tree::cellAt(3, 6)), "Row 4, column 7");
    EXPECT_EQ(tree.name(at(3, 6, 4)) + ", " + Tree::action(at(3, 6, 4)), "Row 4, column 7, candidate 5, Press");
    EXPECT_EQ(tree.name(at(3, 6, Part::label)), "Row 4, column 7, digit 5");
    EXPECT_EQ(Tree::role(Tree::parent(at(3, 6, Part::label)).value()), Tree::Role::Cell);
}

// What Tab passes over is not focusable; a cell with no free candidate takes the
// focus itself, a fixed one through its label. Nothing takes a press while the
// surface does not.
TEST_F(DrawnBoardTest, OnlyWhatTheFocusCanLandOnIsFocusable)
{
    board.click(ui::RowColumn{3, 6}, 4);
    board.pressFix();
    for (std::int16_t d = 0; d < 8; ++d) // every digit barred in row 1, column 1
        board.click(ui::RowColumn{0, d + 1}, d);
    board.click(ui::RowColumn{1, 0}, 8);
    EXPECT_FALSE(tree.states(at(3, 0, 4)).focusable) << "barred";
    EXPECT_TRUE(tree.states(at(3, 0, 3)).focusable);
    EXPECT_FALSE(tree.states(at(3, 0)).focusable || tree.states(at(3, 0, Part::label)).focusable);
    EXPECT_FALSE(tree.states(at(3, 6, 4)).focusable) << "hidden";
    EXPECT_FALSE(tree.states(at(3, 6)).focusable);
    EXPECT_TRUE(tree.states(at(3, 6, Part::label)).focusable) << "fixed";
    EXPECT_TRUE(tree.states(at(0, 0)).focusable) << "every candidate barred";
    EXPECT_FALSE(tree.states(at(0, 0, Part::label)).focusable);
    window.isEnabled = false;
    EXPECT_TRUE(tree.states({}).unavailable && tree.states(at(3, 0, 3)).unavailable);
}

} // namespace

// Picks of 1 to 8 along the first row and a 9 below its first cell bar every
// candidate of that cell; the second row's second cell keeps 3 to 8 free.
class KeysTest : public DrawnBoardTest {
protected:
    void SetUp() override
    {
        DrawnBoardTest::SetUp();
        for (int column = 1; column < 9; ++column)
            board.click(ui::RowColumn{0, column}, column - 1);
        board.click(ui::RowColumn{1, 0}, 8);
    }
    bool press(Key key) { return drawn.keyDown(key, false); }
};

TEST_F(KeysTest, TheArrowsGoFromCellToCellAndACellWithNoFreeCandidateTakesTheFocusItself)
{
    EXPECT_EQ(drawn.focus(), at(0, 0)) << "its candidates were barred under the focus";
    EXPECT_TRUE(press(Key::Up));
    EXPECT_EQ(std::ranges::count(picture.announced, std::pair(at(0, 0), ui::desktop::BoardView::Announcement::Focus)),
              1)
        << "clicked from outside the board, the focus is heard of at the board's next input";
    picture.announced.clear();
    EXPECT_TRUE(press(Key::Left));
    EXPECT_EQ(drawn.focus(), at(0, 0)) << "at the board's edge it stays";
    EXPECT_TRUE(picture.announced.empty()) << "and screen readers hear nothing of a focus that did not move";
    picture.paint();
    press(Key::Right);
    EXPECT_EQ(drawn.focus(), at(0, 1, 0)) << "the pick, the one free candidate";
    EXPECT_EQ(picture.paint(), (std::vector{drawn.placeOf(at(0, 0)), drawn.placeOf(at(0, 1, 0))}))
        << "a move draws the two focus frames again, and nothing else";
    press(Key::Down);
    EXPECT_EQ(drawn.focus(), at(1, 1, 2)) << "the 1 is barred: the first free candidate";
    press(Key::Next);
    press(Key::Next);
    press(Key::Down);
    EXPECT_EQ(drawn.focus(), at(2, 1, 4)) << "the same digit";
    press(Key::RowEnd);
    EXPECT_EQ(drawn.focus(), at(2, 8, 4));
    press(Key::RowStart);
    EXPECT_EQ(drawn.focus(), at(2, 0, 4));
    ASSERT_TRUE(picture.showsWhatItHolds());

    board.pressFix();
    press(Key::BoardStart);
    EXPECT_EQ(drawn.focus(), at(1, 1, 2)) << "the first cells are fixed or barred: no tab stops";
    EXPECT_FALSE(press(Key::Previous)) << "Shift+Tab leaves for the commands";
    press(Key::Up);
    EXPECT_EQ(drawn.focus(), at(0, 1, Part::label)) << "a fixed cell, through its label";
    EXPECT_EQ(tree.name(drawn.focus()), "Row 1, column 2, digit 1");
    press(Key::Left);
    press(Key::Left);
    EXPECT_TRUE(press(Key::Next));
    EXPECT_EQ(drawn.focus(), at(1, 1, 2)) << "Tab from a cell itself: the next tab stop";
    press(Key::BoardEnd);
    EXPECT_EQ(drawn.focus(), at(8, 8, 8));
    EXPECT_FALSE(press(Key::Next));
    EXPECT_FALSE(drawn.wants(Key::Next));
}

TEST_F(KeysTest, ADigitPressesAFreeCandidateAsAClickAndDeleteTakesBackThePick)
{
    press(Key::Down);
    press(Key::Right);
    ASSERT_EQ(drawn.focus(), at(1, 1, 2));
    picture.clicked.clear();
    press(Key::Digit1);
    press(Key::TakeBack);
    EXPECT_TRUE(picture.clicked.empty()) << "a barred candidate, and no pick to take back";
    press(Key::Digit5);
    EXPECT_EQ(drawn.focus(), at(1, 1, 4));
    drawn.keyDown(Key::Digit5, true);
    EXPECT_EQ(picture.clicked, std::vector{at(1, 1, 4)}) << "a held key clicks once: its repeats leave the pick be";
    press(Key::Digit4);
    EXPECT_EQ(drawn.focus(), at(1, 1, 4)) << "4 is hidden by the pick";
    press(Key::Digit5);
    press(Key::Digit6);
    press(Key::TakeBack);
    EXPECT_EQ(picture.clicked, (std::vector{at(1, 1, 4), at(1, 1, 4), at(1, 1, 5), at(1, 1, 5)}));
    EXPECT_EQ(drawn.focus(), at(1, 1, 5));
}

// The window active again, with the focus on a cell that has no free candidate:
// the cell itself is announced, never a candidate that cannot take the focus.
TEST_F(KeysTest, FocusComingBackFindsTheCellItselfAndALabelIsNoButton)
{
    drawn.focusOut();
    picture.announced.clear();
    drawn.focusIn(DrawnBoard::Entry::Other);
    EXPECT_EQ(picture.announced, (std::vector{std::pair(at(0, 0), ui::desktop::BoardView::Announcement::Focus)}));
    EXPECT_TRUE(picture.showsWhatItHolds()) << "with its focus frame";
    EXPECT_FALSE(drawn.activate(at(0, 1, Part::label)));
    EXPECT_FALSE(drawn.activate(at(0, 1)));
}
