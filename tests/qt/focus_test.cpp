#include <QApplication>
#include <utility>
#include <vector>

#include "ShownBoardTest.h"

// A focus stop is a command's widget, or the surface and the candidate it holds
// the focus for.
class FocusTest : public ShownBoardTest {
protected:
    using Stop = std::pair<const QWidget*, ui::desktop::Part>;

    Stop focused()
    {
        QWidget* widget = QApplication::focusWidget();
        return {widget, widget == &view_->surface() ? view_->surface().board().focus() : ui::desktop::Part{}};
    }
    Stop stop(int b, int k, int i) { return {&view_->surface(), button(b, k, i).part}; }
    static Stop stop(const QWidget& command) { return {&command, {}}; }
};

// Qt's keys reach the board, and at its end Tab goes on to the commands and round.
TEST_F(FocusTest, TabWalksTheBoardThenResetFixUnFixAndRoundAgainAndShiftTabComesBack)
{
    ASSERT_EQ(focused(), stop(0, 0, 0));
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), stop(0, 0, 2)) << "the arrows move on as Tab does";
    button(8, 8, 8).setFocus();
    for (const Stop& next :
         {stop(view_->resetButton()), stop(view_->fixButton()), stop(view_->unFixButton()), stop(0, 0, 0)}) {
        press(Qt::Key_Tab);
        ASSERT_EQ(focused(), next);
    }
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), stop(8, 8, 8));
}

TEST_F(FocusTest, SpaceClicksTheFocusedButton)
{
    press(Qt::Key_Space);
    EXPECT_TRUE(button(0, 0, 1).isHidden()) << "Space picked \"1\", which hides \"2\"";
    EXPECT_EQ(focused(), stop(0, 0, 0));
    press(Qt::Key_Space);
    EXPECT_TRUE(button(0, 0, 1).isVisible()) << "and taken back";
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
// with no window manager, though the board gets no focus events.
TEST_F(FocusTest, KeysInAnInactiveWindowStillMoveTheFocusAndPick)
{
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    for (int n = 0; n < 4; ++n) // Un-Fix, Fix, Reset, then the last candidate
        press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(window().focusWidget(), &view_->surface());
    EXPECT_EQ(view_->surface().board().focus(), button(8, 8, 8).part);
    press(Qt::Key_Space);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Space);
    EXPECT_TRUE(button(8, 7, 0).isHidden()) << "Shift+Tab led past the barred 9 to the 8, which Space picked";
}
