#include <QApplication>
#include <vector>

#include "ShownBoardTest.h"

// A focus stop is a command's widget or a candidate, which its cell holds the focus for.
class FocusTest : public ShownBoardTest {
protected:
    const void* focused()
    {
        QWidget* widget = QApplication::focusWidget();
        if (auto* cell = dynamic_cast<ui::qt::CellWidget*>(widget))
            return &cell->candidate(cell->focusIndex());
        return widget;
    }
};

TEST_F(FocusTest, StartsOnButtonOneOfCellZeroOfBoxZero)
{
    EXPECT_EQ(focused(), &button(0, 0, 0));
}

TEST_F(FocusTest, TabWalksEveryCandidateBoxByBoxCellByCellThenResetFixUnFixAndRoundAgain)
{
    std::vector<const void*> expected;
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            for (int i = 0; i < 9; ++i)
                expected.push_back(&button(b, k, i));
    expected.push_back(&view_->resetButton());
    expected.push_back(&view_->fixButton());
    expected.push_back(&view_->unFixButton());
    expected.push_back(&button(0, 0, 0));

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
    EXPECT_EQ(focused(), &button(1, 0, 0));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), &button(0, 8, 8));
}

// The cell handles the keys a push button would: the arrows move on as Tab does.
TEST_F(FocusTest, ArrowKeysMoveTheFocusAsTabAndShiftTabDo)
{
    press(Qt::Key_Right);
    EXPECT_EQ(focused(), &button(0, 0, 1));
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), &button(0, 0, 2));
    press(Qt::Key_Left);
    EXPECT_EQ(focused(), &button(0, 0, 1));
    press(Qt::Key_Up);
    EXPECT_EQ(focused(), &button(0, 0, 0));
}

TEST_F(FocusTest, SpaceClicksTheFocusedButton)
{
    press(Qt::Key_Space);
    EXPECT_TRUE(button(0, 0, 1).isHidden()) << "Space picked \"1\", which hides \"2\"";
    EXPECT_FALSE(button(0, 1, 0).isEnabled());
    EXPECT_EQ(focused(), &button(0, 0, 0));
    press(Qt::Key_Space);
    EXPECT_TRUE(button(0, 0, 1).isVisible()) << "and taken back";
}

TEST_F(FocusTest, TabSkipsHiddenAndDisabledButtons)
{
    click(button(0, 0, 0));  // hides the other eight of cell 0, bars "1" in cell 1
    ASSERT_EQ(focused(), &button(0, 0, 0));
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), &button(0, 1, 1));
}

TEST_F(FocusTest, TheFocusedCandidateShowsADottedFrame)
{
    // The frame runs 3 pixels inside the edge; an unfocused button shows its face there.
    const auto framePixels = [this](const ui::qt::CandidateButton& candidate) {
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
