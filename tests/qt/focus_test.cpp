#include <QApplication>
#include <utility>
#include <vector>

#include "ShownBoardTest.h"

// A focus stop is a command's widget, or a cell's widget and the candidate it
// holds the focus for.
class FocusTest : public ShownBoardTest {
protected:
    using Stop = std::pair<const QWidget*, int>;

    static Stop focused()
    {
        QWidget* widget = QApplication::focusWidget();
        if (auto* cell = dynamic_cast<ui::qt::CellWidget*>(widget))
            return {cell, cell->drawn().focus()};
        return {widget, -1};
    }
    Stop stop(int b, int k, int i) { return {&cell(b, k), i}; }
    static Stop stop(const QWidget& command) { return {&command, -1}; }
};

TEST_F(FocusTest, StartsOnButtonOneOfCellZeroOfBoxZero)
{
    EXPECT_EQ(focused(), stop(0, 0, 0));
}

TEST_F(FocusTest, TabWalksEveryCandidateBoxByBoxCellByCellThenResetFixUnFixAndRoundAgain)
{
    std::vector<Stop> expected;
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            for (int i = 0; i < 9; ++i)
                expected.push_back(stop(b, k, i));
    expected.push_back(stop(view_->resetButton()));
    expected.push_back(stop(view_->fixButton()));
    expected.push_back(stop(view_->unFixButton()));
    expected.push_back(stop(0, 0, 0));

    ASSERT_EQ(focused(), expected.front());
    for (std::size_t n = 1; n < expected.size(); ++n) {
        press(Qt::Key_Tab);
        ASSERT_EQ(focused(), expected.at(n)) << "after " << n << " tabs";
    }
}

TEST_F(FocusTest, TabCrossesFromTheLastCandidateOfABoxToTheFirstOfTheNext)
{
    button(0, 8, 8).setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), stop(1, 0, 0));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), stop(0, 8, 8));
}

// The cell handles the keys a push button would: the arrows move on as Tab does.
TEST_F(FocusTest, ArrowKeysMoveTheFocusAsTabAndShiftTabDo)
{
    press(Qt::Key_Right);
    EXPECT_EQ(focused(), stop(0, 0, 1));
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), stop(0, 0, 2));
    press(Qt::Key_Left);
    EXPECT_EQ(focused(), stop(0, 0, 1));
    press(Qt::Key_Up);
    EXPECT_EQ(focused(), stop(0, 0, 0));
}

TEST_F(FocusTest, SpaceClicksTheFocusedButton)
{
    press(Qt::Key_Space);
    EXPECT_TRUE(button(0, 0, 1).isHidden()) << "Space picked \"1\", which hides \"2\"";
    EXPECT_FALSE(button(0, 1, 0).isEnabled());
    EXPECT_EQ(focused(), stop(0, 0, 0));
    press(Qt::Key_Space);
    EXPECT_TRUE(button(0, 0, 1).isVisible()) << "and taken back";
}

TEST_F(FocusTest, TabSkipsHiddenAndDisabledButtons)
{
    click(button(0, 0, 0));  // hides the other eight of cell 0, bars "1" in cell 1
    ASSERT_EQ(focused(), stop(0, 0, 0));
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), stop(0, 1, 1));
}

TEST_F(FocusTest, TheFocusedCandidateShowsADottedFrame)
{
    // The frame runs 3 pixels inside the edge; an unfocused button shows its face there.
    const auto framePixels = [this](const Candidate& candidate) {
        const QImage image = shot();
        int n = 0;
        for (int x = 3; x <= 16; ++x)
            n += pixel(image, inWindow(candidate, {x, 3})) == role(QPalette::ButtonText) ? 1 : 0;
        return n;
    };
    EXPECT_GT(framePixels(button(0, 0, 0)), 3);
    EXPECT_EQ(framePixels(button(0, 0, 3)), 0);
    press(Qt::Key_Tab);
    EXPECT_EQ(framePixels(button(0, 0, 0)), 0);
}

// Keys still reach a window that is not active, as a test tool's do on a display
// with no window manager, though its cells get no focus events.
TEST_F(FocusTest, ShiftTabIntoACellOfAnInactiveWindowLandsOnItsLastCandidate)
{
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    for (int n = 0; n < 4; ++n)  // Un-Fix, Fix, Reset, then the last cell
        press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(window().focusWidget(), &cell(8, 8));
    EXPECT_EQ(cell(8, 8).drawn().focus(), 8);
}
