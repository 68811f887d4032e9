#include <QFontMetrics>
#include <cstdlib>

#include "ShownBoardTest.h"
#include "ui/qt/DesignFonts.h"

// What the player sees, read off a grab of the window.
class ScreenTest : public ShownBoardTest {
protected:
    // A point inside the face that neither the edge nor the digit covers.
    QPoint faceOf(int b, int k, int i) { return inWindow(button(b, k, i), {2, 2}); }
};

TEST_F(ScreenTest, TheOpenBoardShowsItsDesignColours)
{
    const QImage image = shot();
    EXPECT_EQ(pixel(image, faceOf(0, 0, 1)), role(QPalette::Button)) << "a free candidate";
    EXPECT_EQ(pixel(image, faceOf(0, 0, 8)), role(QPalette::Mid)) << "a \"9\" in the active border colour";
    EXPECT_EQ(pixel(image, {191, 50}), role(QPalette::ToolTipBase)) << "the gap between boxes 0 and 1";
    EXPECT_EQ(pixel(image, {50, 192}), role(QPalette::ToolTipBase)) << "the gap between boxes 0 and 3";
    EXPECT_EQ(pixel(image, {300, 581}), role(QPalette::ToolTipBase)) << "the strip below the board";
    EXPECT_EQ(pixel(image, {62, 10}), role(QPalette::Dark)) << "the gap between two cells";
    EXPECT_EQ(pixel(image, {60, 10}), role(QPalette::Button)) << "the label's strip along a cell's edge";
    EXPECT_EQ(pixel(image, {620, 200}), role(QPalette::ToolTipBase)) << "the window under the buttons";
}

TEST_F(ScreenTest, ABarredCandidateShowsTheWindowTextFace)
{
    click(button(6, 2, 3));
    const QImage image = shot();
    EXPECT_EQ(pixel(image, faceOf(6, 5, 3)), role(QPalette::WindowText)) << "barred in the box";
    EXPECT_EQ(pixel(image, faceOf(7, 0, 3)), role(QPalette::WindowText)) << "barred along the row";
    EXPECT_EQ(pixel(image, faceOf(0, 2, 3)), role(QPalette::WindowText)) << "barred up the column";
    EXPECT_EQ(pixel(image, faceOf(7, 3, 3)), role(QPalette::Button)) << "free elsewhere";
    EXPECT_EQ(pixel(image, faceOf(6, 2, 3)), role(QPalette::Button)) << "the pick itself";
}

TEST_F(ScreenTest, AFixedDigitShowsLargeAndCentredInTheLabelColour)
{
    click(button(4, 4, 0));
    // Until then only the small caption of the picked button is in that colour.
    EXPECT_LT(inkIn(shot(), label(4, 4), role(QPalette::ButtonText)).count, 40);

    click(view_->fixButton());
    const Ink ink = inkIn(shot(), label(4, 4), role(QPalette::ButtonText));
    const int digitHeight = QFontMetrics(ui::qt::designFont(ui::designs::lblFont)).tightBoundingRect("1").height();
    EXPECT_GT(ink.count, 150) << "a bold stroke, not a thin one";
    EXPECT_NEAR(ink.bottom - ink.top + 1, digitHeight, 2) << "a digit of the label's size";
    EXPECT_LE(std::abs((ink.left + ink.right) - 60), 8) << "centred across the cell";
    EXPECT_GT(ink.top, 0);
    EXPECT_LT(ink.bottom, 60) << "not cut off by the cell's edge";

    click(view_->unFixButton());
    EXPECT_LT(inkIn(shot(), label(4, 4), role(QPalette::ButtonText)).count, 40);
}
