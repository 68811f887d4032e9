#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cell/usrcntBlock.h"
#include "support/FakeCell.h"
#include "support/WriteLog.h"

using support::FakeCell;
using support::WriteLog;
using ui::SysColor;
using Writes = std::vector<std::string>;

namespace {

std::string button(int i) { return "btnBlock " + std::to_string(i) + ": "; }

// What one repaint writes to button i, by the four rows of the repaint table.
Writes openFree(int i)
{
    return {button(i) + "Visible=true", button(i) + "Enabled=true", button(i) + "BackColor=ButtonFace"};
}
Writes openBarred(int i)
{
    return {button(i) + "Visible=true", button(i) + "Enabled=false", button(i) + "BackColor=WindowText"};
}
Writes pickedFree(int i) { return {button(i) + "Enabled=true", button(i) + "BackColor=ButtonFace"}; }
Writes pickedBarred(int i) { return {button(i) + "Visible=false", button(i) + "BackColor=WindowText"}; }

// A whole repaint, buttons 0 to 8 in turn, each by the row that `rowFor` picks.
template <class RowFor>
Writes repaint(RowFor rowFor)
{
    Writes all;
    for (int i = 0; i < 9; ++i)
        for (std::string& w : rowFor(i))
            all.push_back(std::move(w));
    return all;
}

class CellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cell.Chosen.connect([this](std::int16_t btnIndex, bool setIt) {
            chosen.emplace_back(btnIndex, setIt);
            writesBeforeChosen = log.size();
        });
        log.clear();
    }

    void click(std::int16_t i) { controls.button(i).click(); }
    ui::SysColor face(std::int16_t i) const { return controls.button(i).state().backColor; }

    // Reads the bar count of candidate i from the outside: lifts bars one at a
    // time until the button shows free. Needs a repaint since the last change
    // and leaves the counter at 0.
    int liftAllBars(std::int16_t i)
    {
        int lifted = 0;
        while (face(i) != SysColor::ButtonFace && lifted < 100) {
            cell.setIt(i, false);
            ++lifted;
        }
        return lifted;
    }

    WriteLog log;
    FakeCell controls{log};
    usrcntBlock cell{controls};
    std::vector<std::pair<std::int16_t, bool>> chosen;
    std::size_t writesBeforeChosen = 0;
};

TEST(CellCreation, EmptiesTheLabelAndLeavesTheButtonsAsDesigned)
{
    WriteLog log;
    FakeCell controls{log};
    ASSERT_EQ(controls.label().caption(), "1");
    const usrcntBlock cell{controls};

    EXPECT_EQ(log.texts(), Writes{"lbl: Caption=\"\""});
    for (std::int16_t i = 0; i < 8; ++i)
        EXPECT_EQ(controls.button(i).state(), (support::ButtonState{true, true, SysColor::ButtonFace})) << i;
    EXPECT_EQ(controls.button(8).state(), (support::ButtonState{true, true, SysColor::ActiveBorder}));
}

TEST_F(CellTest, RepaintOfAnOpenCellShowsEveryButtonAndDisablesTheBarredOnes)
{
    cell.setIt(3, true);
    EXPECT_EQ(log.texts(), repaint([](int i) { return i == 3 ? openBarred(i) : openFree(i); }));
}

TEST_F(CellTest, PickHidesTheOtherEightAndKeepsThePickedOneClickable)
{
    click(4);
    EXPECT_EQ(log.texts(), repaint([](int i) { return i == 4 ? pickedFree(i) : pickedBarred(i); }));
    EXPECT_TRUE(controls.button(4).clickable());
}

TEST_F(CellTest, FreedCandidateOfAPickedCellIsEnabledButStaysHidden)
{
    click(4);
    log.clear();
    cell.setIt(6, false);
    EXPECT_EQ(log.texts(), repaint([](int i) { return i == 4 || i == 6 ? pickedFree(i) : pickedBarred(i); }));
    EXPECT_EQ(controls.button(6).state(), (support::ButtonState{false, true, SysColor::ButtonFace}));
}

TEST_F(CellTest, ChosenCarriesTheNewStateAfterTheButtonsAreFinal)
{
    click(2);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen.back(), std::make_pair(std::int16_t{2}, true));
    EXPECT_EQ(writesBeforeChosen, log.size());

    click(2);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen.back(), std::make_pair(std::int16_t{2}, false));
    EXPECT_EQ(writesBeforeChosen, log.size());
    EXPECT_EQ(log.texts(18), repaint(openFree));
}

class PickCounting : public CellTest, public ::testing::WithParamInterface<std::int16_t> {};

TEST_P(PickCounting, RaisesTheOtherEightByOneAndLeavesThePickedCounter)
{
    const std::int16_t picked = GetParam();
    cell.setIt(picked, true);
    cell.setIt(picked, true);
    click(picked); // the handler does not ask whether the candidate is free
    for (std::int16_t i = 0; i < 9; ++i)
        EXPECT_EQ(liftAllBars(i), i == picked ? 2 : 1) << "candidate " << i;
}

INSTANTIATE_TEST_SUITE_P(Candidates, PickCounting, ::testing::Values(0, 4, 8));

TEST_F(CellTest, TakeBackLowersTheOtherEightButNeverBelowZero)
{
    click(2);
    cell.setIt(5, false); // 1 -> 0
    cell.setIt(7, true);  // 1 -> 2
    click(2);             // take-back: 5 stays at 0, 7 goes to 1
    EXPECT_EQ(chosen.back(), std::make_pair(std::int16_t{2}, false));
    for (std::int16_t i = 0; i < 9; ++i)
        EXPECT_EQ(liftAllBars(i), i == 7 ? 1 : 0) << "candidate " << i;
}

TEST_F(CellTest, LiftingABarFromZeroStaysAtZeroAndStillRepaints)
{
    cell.setIt(3, false);
    EXPECT_EQ(log.texts(), repaint(openFree));
    cell.setIt(3, true);
    EXPECT_EQ(face(3), SysColor::WindowText);
}

TEST_F(CellTest, ClickOnAFixedCellChangesNothingAndRaisesNothing)
{
    click(4);
    cell.fixIt(true);
    log.clear();
    chosen.clear();
    for (std::int16_t i = 0; i < 9; ++i)
        click(i);
    EXPECT_TRUE(log.entries().empty());
    EXPECT_TRUE(chosen.empty());

    // Still the same pick with the same bars: thawed, its take-back frees everything.
    cell.fixIt(false);
    click(4);
    EXPECT_EQ(chosen, (std::vector<std::pair<std::int16_t, bool>>{{4, false}}));
    for (std::int16_t i = 0; i < 9; ++i)
        EXPECT_EQ(controls.button(i).state(), support::ButtonState{}) << i;
}

TEST_F(CellTest, FixShowsThePickLargeAndUnFixShowsItsButtonAgain)
{
    click(4);
    log.clear();
    cell.fixIt(true);
    EXPECT_EQ(log.texts(), (Writes{"btnBlock 4: Visible=false", "lbl: Caption=\"5\""}));
    log.clear();
    cell.fixIt(true); // a frozen cell is frozen again with the same writes
    EXPECT_EQ(log.texts(), (Writes{"btnBlock 4: Visible=false", "lbl: Caption=\"5\""}));
    log.clear();
    cell.fixIt(false);
    EXPECT_EQ(log.texts(), (Writes{"lbl: Caption=\"\"", "btnBlock 4: Visible=true"}));
    log.clear();
    cell.fixIt(false);
    EXPECT_EQ(log.texts(), (Writes{"lbl: Caption=\"\"", "btnBlock 4: Visible=true"}));
    EXPECT_EQ(chosen.size(), 1u); // the pick's; fixIt raises nothing
}

TEST_F(CellTest, FixAndUnFixDoNothingOnAnOpenCell)
{
    cell.setIt(2, true);
    log.clear();
    cell.fixIt(true);
    cell.fixIt(false);
    EXPECT_TRUE(log.entries().empty());
    cell.setIt(5, true); // still open, not frozen: it repaints by the open rows
    EXPECT_EQ(log.texts(), repaint([](int i) { return i == 2 || i == 5 ? openBarred(i) : openFree(i); }));
}

struct ShownDigitCase {
    std::int16_t pick;
    std::vector<std::int16_t> lifted; // bars lifted after the pick
    std::vector<std::int16_t> laid;   // bars laid after the pick
    std::int16_t shown;
};

std::ostream& operator<<(std::ostream& out, const ShownDigitCase& c)
{
    return out << "pick " << c.pick << ", shows " << c.shown;
}

class ShownDigit : public CellTest, public ::testing::WithParamInterface<ShownDigitCase> {};

TEST_P(ShownDigit, FixUsesTheHighestFreeCandidateOrTheFirst)
{
    const ShownDigitCase& c = GetParam();
    click(c.pick);
    for (std::int16_t i : c.lifted)
        cell.setIt(i, false);
    for (std::int16_t i : c.laid)
        cell.setIt(i, true);
    log.clear();
    const std::string b = button(c.shown);
    cell.fixIt(true);
    EXPECT_EQ(log.texts(), (Writes{b + "Visible=false", "lbl: Caption=\"" + std::to_string(c.shown + 1) + "\""}));
    log.clear();
    cell.fixIt(false);
    EXPECT_EQ(log.texts(), (Writes{"lbl: Caption=\"\"", b + "Visible=true"}));
}

INSTANTIATE_TEST_SUITE_P(Counters, ShownDigit,
                         ::testing::Values(ShownDigitCase{6, {2}, {}, 6}, ShownDigitCase{2, {6}, {}, 6},
                                           ShownDigitCase{0, {}, {0}, 0}, ShownDigitCase{8, {}, {}, 8},
                                           ShownDigitCase{3, {}, {}, 3}, ShownDigitCase{7, {}, {7}, 0}));

TEST_F(CellTest, ClearEmptiesAFixedCell)
{
    click(2);
    cell.setIt(5, true);
    cell.fixIt(true);
    log.clear();
    chosen.clear();

    cell.Clear();
    Writes expected{"lbl: Caption=\"\""};
    for (std::string& w : repaint(openFree))
        expected.push_back(std::move(w));
    EXPECT_EQ(log.texts(), expected);
    EXPECT_TRUE(chosen.empty());

    // Open, not frozen and without bars: the next repaint frees all nine.
    log.clear();
    cell.setIt(0, false);
    EXPECT_EQ(log.texts(), repaint(openFree));
}

TEST_F(CellTest, AFrozenCellCountsBarsButDoesNotRepaint)
{
    click(4);
    cell.fixIt(true);
    log.clear();
    cell.setIt(6, true);
    EXPECT_TRUE(log.entries().empty());

    cell.fixIt(false);
    cell.setIt(6, false);
    // The bar laid while frozen is lifted again, so 6 is still barred by the pick itself.
    EXPECT_EQ(face(6), SysColor::WindowText);
    log.clear();
    cell.fixIt(true);
    EXPECT_EQ(log.texts(), (Writes{"btnBlock 4: Visible=false", "lbl: Caption=\"5\""}));
}

TEST_F(CellTest, CandidateIndexOutsideTheCountersThrows)
{
    EXPECT_THROW(cell.setIt(10, true), std::out_of_range);
    EXPECT_THROW(cell.setIt(-1, false), std::out_of_range);
    EXPECT_TRUE(log.entries().empty());

    // Index 9 has a counter that no candidate reads: accepted, and the repaint shows nothing barred.
    EXPECT_NO_THROW(cell.setIt(9, true));
    EXPECT_EQ(log.texts(), repaint(openFree));
}

TEST_F(CellTest, CounterDrivenPast32767Throws)
{
    log.setRecording(false);
    for (int n = 0; n < 32767; ++n)
        cell.setIt(0, true);
    EXPECT_THROW(cell.setIt(0, true), std::overflow_error);
    EXPECT_NO_THROW(cell.setIt(0, false));

    for (int n = 0; n < 32767; ++n)
        cell.setIt(1, true);
    EXPECT_THROW(click(5), std::overflow_error); // the pick's own bar on candidate 1
    EXPECT_TRUE(chosen.empty());
}

} // namespace
