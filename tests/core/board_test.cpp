#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "support/BoardPlaces.h"
#include "support/TestBoard.h"
#include "ui/PlaceNames.h"

using support::TestBoard;
using ui::BoxCell;
using ui::RowColumn;
using ui::SysColor;
using Writes = std::vector<std::string>;

namespace {

// A solved board: every row, column and block holds each digit once, so all
// 81 picks can be made one after another.
int solvedCandidate(RowColumn pos) { return (pos.row * 3 + pos.row / 3 + pos.column) % 9; }

std::vector<BoxCell> allCellsInWindowOrder()
{
    std::vector<BoxCell> out;
    for (std::int16_t b = 0; b < 9; ++b)
        for (std::int16_t k = 0; k < 9; ++k)
            out.push_back({b, k});
    return out;
}

std::string cellName(BoxCell place)
{
    return "grid " + std::to_string(place.box) + " / cell " + std::to_string(place.cell) + " / ";
}

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override { board.log().clear(); }

    void fillSolvedBoard()
    {
        for (const RowColumn pos : support::everyRowColumn)
            board.click(pos, solvedCandidate(pos));
        board.log().clear();
    }
    std::vector<BoxCell> runs() const { return board.log().cellRuns(); }
    bool barred(BoxCell place, std::int16_t candidate)
    {
        return board.cell(place).button(candidate).state().backColor == SysColor::WindowText;
    }

    TestBoard board;
};

TEST_F(BoardTest, ResetClearsBoxesZeroToEightEachCellByCell)
{
    board.click(RowColumn{4, 4}, 3);
    board.log().clear();
    board.pressReset();
    EXPECT_EQ(runs(), allCellsInWindowOrder());
    EXPECT_EQ(board.log().size(), 81u * 28u);
    board.log().clear();
    board.pressReset(); // on an empty board all the same
    EXPECT_EQ(runs(), allCellsInWindowOrder());
}

TEST_F(BoardTest, FixFreezesBoxesZeroToEightAndNothingElse)
{
    fillSolvedBoard();
    Writes expected;
    for (BoxCell place : allCellsInWindowOrder()) {
        const int candidate = solvedCandidate(ui::rowColumnOf(place));
        expected.push_back(cellName(place) + "btnBlock " + std::to_string(candidate) + ": Visible=false");
        expected.push_back(cellName(place) + "lbl: Caption=\"" + std::to_string(candidate + 1) + "\"");
    }
    board.pressFix();
    EXPECT_EQ(board.log().texts(), expected);
    board.log().clear();
    board.pressFix();
    EXPECT_EQ(board.log().texts(), expected);
}

TEST_F(BoardTest, UnFixThawsBoxesZeroToEightAndNothingElse)
{
    fillSolvedBoard();
    board.pressFix();
    board.log().clear();
    Writes expected;
    for (BoxCell place : allCellsInWindowOrder()) {
        expected.push_back(cellName(place) + "lbl: Caption=\"\"");
        expected.push_back(cellName(place) + "btnBlock " + std::to_string(solvedCandidate(ui::rowColumnOf(place))) +
                           ": Visible=true");
    }
    board.pressUnFix();
    EXPECT_EQ(board.log().texts(), expected);
}

TEST_F(BoardTest, FixAndUnFixOnAnEmptyBoardWriteNothing)
{
    board.pressFix();
    board.pressUnFix();
    EXPECT_TRUE(board.log().entries().empty());
}

// The boxes of the raising box's band, then of its stack, in ascending order.
struct CrossBoxes {
    std::array<std::int16_t, 2> band;
    std::array<std::int16_t, 2> stack;
};
constexpr std::array<CrossBoxes, 9> crossBoxes{{
    {{1, 2}, {3, 6}},
    {{0, 2}, {4, 7}},
    {{0, 1}, {5, 8}},
    {{4, 5}, {0, 6}},
    {{3, 5}, {1, 7}},
    {{3, 4}, {2, 8}},
    {{7, 8}, {0, 3}},
    {{6, 8}, {1, 4}},
    {{6, 7}, {2, 5}},
}};

std::vector<BoxCell> crossRuns(std::int16_t Index, std::int16_t row, std::int16_t col)
{
    std::vector<BoxCell> out;
    for (std::int16_t b : crossBoxes.at(Index).band)
        for (std::int16_t k = 3 * row; k < 3 * row + 3; ++k)
            out.push_back({b, k});
    for (std::int16_t b : crossBoxes.at(Index).stack)
        for (std::int16_t k = col; k < 9; k += 3)
            out.push_back({b, k});
    return out;
}

class CrossBox : public BoardTest, public ::testing::WithParamInterface<std::int16_t> {};

TEST_P(CrossBox, SetRowOnTheBandThenSetColOnTheStack)
{
    const std::int16_t Index = GetParam();
    for (std::int16_t squareIndex = 0; squareIndex < 9; ++squareIndex) {
        SCOPED_TRACE("squareIndex " + std::to_string(squareIndex));
        const auto expected = crossRuns(Index, squareIndex / 3, squareIndex % 3);
        board.log().clear();
        board.board().usrcntGrid_Chosen(Index, squareIndex, 6, true);
        EXPECT_EQ(runs(), expected);
        for (BoxCell place : expected)
            EXPECT_TRUE(barred(place, 6)) << place.box << "/" << place.cell;

        board.log().clear();
        board.board().usrcntGrid_Chosen(Index, squareIndex, 6, false);
        EXPECT_EQ(runs(), expected);
        for (BoxCell place : expected)
            EXPECT_FALSE(barred(place, 6)) << place.box << "/" << place.cell;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBox, CrossBox, ::testing::Range<std::int16_t>(0, 9));

TEST_F(BoardTest, BoxIndexOutsideTheGridReachesNothing)
{
    for (std::int16_t Index : {-1, 9, 100, -32768, 32767})
        for (std::int16_t squareIndex : {0, 4, 8, 9})
            board.board().usrcntGrid_Chosen(Index, squareIndex, 3, true);
    EXPECT_TRUE(board.log().entries().empty());
}

TEST_F(BoardTest, CellIndexOutsideTheBoxCountsAsRowAndColumnZero)
{
    for (std::int16_t squareIndex : {9, -1, 100}) {
        SCOPED_TRACE("squareIndex " + std::to_string(squareIndex));
        board.board().usrcntGrid_Chosen(4, 8, 3, true); // an earlier event leaves nothing behind
        board.log().clear();
        board.board().usrcntGrid_Chosen(4, squareIndex, 3, true);
        EXPECT_EQ(runs(), crossRuns(4, 0, 0));
        board.board().usrcntGrid_Chosen(4, squareIndex, 3, false);
        board.board().usrcntGrid_Chosen(4, 8, 3, false);
    }
}

struct PickRoute {
    BoxCell picked;
    std::vector<BoxCell> runs; // the picked cell, its box, its band, its stack
};

std::ostream& operator<<(std::ostream& out, const PickRoute& route) { return out << route.picked; }

class PickRoutes : public BoardTest, public ::testing::WithParamInterface<PickRoute> {};

TEST_P(PickRoutes, PickTravelsThroughItsBoxThenBandThenStack)
{
    const PickRoute& route = GetParam();
    board.click(route.picked, 2);
    EXPECT_EQ(runs(), route.runs);
    board.log().clear();
    board.click(route.picked, 2);
    EXPECT_EQ(runs(), route.runs);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PickRoutes,
    ::testing::Values(
        PickRoute{{0, 8}, {{0, 8}, {0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}, {1, 6}, {1, 7},
                           {1, 8}, {2, 6}, {2, 7}, {2, 8}, {3, 2}, {3, 5}, {3, 8}, {6, 2}, {6, 5}, {6, 8}}},
        PickRoute{{4, 4}, {{4, 4}, {4, 0}, {4, 1}, {4, 2}, {4, 3}, {4, 5}, {4, 6}, {4, 7}, {4, 8}, {3, 3}, {3, 4},
                           {3, 5}, {5, 3}, {5, 4}, {5, 5}, {1, 1}, {1, 4}, {1, 7}, {7, 1}, {7, 4}, {7, 7}}},
        PickRoute{{8, 0}, {{8, 0}, {8, 1}, {8, 2}, {8, 3}, {8, 4}, {8, 5}, {8, 6}, {8, 7}, {8, 8}, {6, 0}, {6, 1},
                           {6, 2}, {7, 0}, {7, 1}, {7, 2}, {2, 0}, {2, 3}, {2, 6}, {5, 0}, {5, 3}, {5, 6}}}));

} // namespace

// A translation puts a place's numbers in the order its language wants them; the
// C locale keeps the design's English.
TEST(PlaceNames, TakeTheirNumbersInTheOrderOfTheWordsAroundThem)
{
    EXPECT_EQ(ui::formatted("%3$s: %2$d/%1$d, 100%%", {"4", "7", "5"}), "5: 7/4, 100%");
    EXPECT_EQ(ui::candidateName({3, 6}, 4), "Row 4, column 7, candidate 5");
    EXPECT_EQ(ui::digitName({8, 0}, "9"), "Row 9, column 1, digit 9");
}
