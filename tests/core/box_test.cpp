#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "box/usrcntSquare.h"
#include "support/FakeBox.h"
#include "support/WriteLog.h"

using support::FakeBox;
using support::WriteLog;
using ui::BoxCell;
using ui::SysColor;
using Writes = std::vector<std::string>;

namespace {

// A box on its own: the log names its cells "cell k" with no grid in front.
std::vector<BoxCell> cells(std::initializer_list<std::int16_t> indices)
{
    std::vector<BoxCell> out;
    for (std::int16_t k : indices)
        out.push_back({-1, k});
    return out;
}

class BoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.Chosen.connect([this](std::int16_t squareIndex, std::int16_t btnIndex, bool setIt) {
            chosen.emplace_back(squareIndex, btnIndex, setIt);
            writesBeforeChosen = log.size();
        });
        log.clear();
    }

    void click(std::int16_t cell, std::int16_t candidate) { controls.cell(cell).button(candidate).click(); }
    bool barred(std::int16_t cell, std::int16_t candidate) const
    {
        return controls.cell(cell).button(candidate).state().backColor == SysColor::WindowText;
    }
    // Picks digit k + 1 in every cell k: nine different digits, so none is barred.
    void pickEveryCell()
    {
        for (std::int16_t k = 0; k < 9; ++k)
            click(k, k);
        log.clear();
        chosen.clear();
    }

    WriteLog log;
    FakeBox controls{log};
    usrcntSquare box{controls};
    std::vector<std::tuple<std::int16_t, std::int16_t, bool>> chosen;
    std::size_t writesBeforeChosen = 0;
};

TEST_F(BoxTest, ClearReachesCellsZeroToEightInOrder)
{
    click(3, 6);
    log.clear();
    box.Clear();
    EXPECT_EQ(log.cellRuns(), cells({0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(log.size(), 9u * 28u);
    EXPECT_FALSE(barred(0, 6));
}

TEST_F(BoxTest, FixReachesCellsZeroToEightInOrderWithTheSameFlag)
{
    pickEveryCell();
    box.fixIt(true);
    Writes expected;
    for (int k = 0; k < 9; ++k) {
        const std::string cell = "cell " + std::to_string(k) + " / ";
        expected.push_back(cell + "btnBlock " + std::to_string(k) + ": Visible=false");
        expected.push_back(cell + "lbl: Caption=\"" + std::to_string(k + 1) + "\"");
    }
    EXPECT_EQ(log.texts(), expected);
}

TEST_F(BoxTest, UnFixReachesCellsZeroToEightInOrderWithTheSameFlag)
{
    pickEveryCell();
    box.fixIt(true);
    log.clear();
    box.fixIt(false);
    Writes expected;
    for (int k = 0; k < 9; ++k) {
        const std::string cell = "cell " + std::to_string(k) + " / ";
        expected.push_back(cell + "lbl: Caption=\"\"");
        expected.push_back(cell + "btnBlock " + std::to_string(k) + ": Visible=true");
    }
    EXPECT_EQ(log.texts(), expected);
    EXPECT_TRUE(chosen.empty());
}

class BoxPick : public BoxTest, public ::testing::WithParamInterface<std::int16_t> {};

TEST_P(BoxPick, ReachesTheOtherEightInAscendingOrderThenRaisesChosen)
{
    const std::int16_t k = GetParam();
    std::vector<BoxCell> expected = cells({k});
    for (std::int16_t j = 0; j < 9; ++j)
        if (j != k)
            expected.push_back({-1, j});

    click(k, 5);
    EXPECT_EQ(log.cellRuns(), expected);
    // One repaint of the picked cell, one for each of the eight others, nothing more:
    // the raising cell gets no bar from its own box.
    EXPECT_EQ(log.size(), 18u + 8u * 27u);
    EXPECT_TRUE(controls.cell(k).button(5).clickable());
    for (std::int16_t j = 0; j < 9; ++j)
        EXPECT_EQ(barred(j, 5), j != k) << "cell " << j;
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen.back(), std::make_tuple(k, std::int16_t{5}, true));
    EXPECT_EQ(writesBeforeChosen, log.size());

    log.clear();
    click(k, 5);
    EXPECT_EQ(log.cellRuns(), expected);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen.back(), std::make_tuple(k, std::int16_t{5}, false));
    EXPECT_EQ(writesBeforeChosen, log.size());
    for (std::int16_t j = 0; j < 9; ++j)
        EXPECT_FALSE(barred(j, 5)) << "cell " << j;
}

INSTANTIATE_TEST_SUITE_P(EveryCell, BoxPick, ::testing::Range<std::int16_t>(0, 9));

struct LineCase {
    bool isRow;
    std::int16_t value;
    std::vector<std::int16_t> reached;
};

std::ostream& operator<<(std::ostream& out, const LineCase& c)
{
    return out << (c.isRow ? "SetRow " : "SetCol ") << c.value;
}

class BoxLine : public BoxTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(BoxLine, SetRowAndSetColReachTheirThreeCellsInOrder)
{
    const LineCase& c = GetParam();
    const auto send = [&](bool setIt) {
        if (c.isRow)
            box.SetRow(c.value, 2, setIt);
        else
            box.SetCol(c.value, 2, setIt);
    };
    std::vector<BoxCell> expected;
    for (std::int16_t k : c.reached)
        expected.push_back({-1, k});

    send(true);
    EXPECT_EQ(log.cellRuns(), expected);
    for (std::int16_t k = 0; k < 9; ++k)
        EXPECT_EQ(barred(k, 2), std::find(c.reached.begin(), c.reached.end(), k) != c.reached.end()) << "cell " << k;

    log.clear();
    send(false);
    EXPECT_EQ(log.cellRuns(), expected);
    for (std::int16_t k = 0; k < 9; ++k)
        EXPECT_FALSE(barred(k, 2)) << "cell " << k;
    EXPECT_TRUE(chosen.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, BoxLine,
                         ::testing::Values(LineCase{true, 0, {0, 1, 2}}, LineCase{true, 1, {3, 4, 5}},
                                           LineCase{true, 2, {6, 7, 8}}, LineCase{false, 0, {0, 3, 6}},
                                           LineCase{false, 1, {1, 4, 7}}, LineCase{false, 2, {2, 5, 8}},
                                           LineCase{true, 3, {}}, LineCase{true, -1, {}}, LineCase{true, 32767, {}},
                                           LineCase{false, 3, {}}, LineCase{false, -1, {}},
                                           LineCase{false, -32768, {}}));

} // namespace
