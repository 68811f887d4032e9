#include <QColor>
#include <QFontMetrics>
#include <QImage>

#include "ShownBoardTest.h"
#include "ui/qt/DesignFonts.h"

// At twice the density every length doubles on the screen, and the text is drawn
// afresh at the larger size rather than blown up.
class ScaleTest : public ShownBoardTest {
protected:
    void SetUp() override
    {
        ShownBoardTest::SetUp();
        ASSERT_DOUBLE_EQ(window().devicePixelRatioF(), 2.0) << "started without QT_SCALE_FACTOR=2";
    }

    // Device pixels of a rectangle (given in the window's own pixels) in the given colour.
    static int countIn(const QImage& image, QRect deviceRect, const QColor& colour)
    {
        int n = 0;
        for (int y = deviceRect.top(); y <= deviceRect.bottom(); ++y)
            for (int x = deviceRect.left(); x <= deviceRect.right(); ++x)
                n += image.pixelColor(x, y) == colour ? 1 : 0;
        return n;
    }
};

TEST_F(ScaleTest, TheWholeLayoutDoubles)
{
    const QImage image = shot();
    EXPECT_EQ(image.size(), QSize(1300, 1164));
    // Box 8 ends 2 device pixels inside the window; below it lies the window's colour.
    const QColor workspace = role(QPalette::Dark);
    const QColor back = role(QPalette::ToolTipBase);
    EXPECT_EQ(image.pixelColor(1160, 1160), role(QPalette::Button)) << "the last cell's label strip";
    EXPECT_EQ(image.pixelColor(1162, 1161), back);
    EXPECT_EQ(image.pixelColor(1161, 1162), back);
    // The gap between boxes 0 and 1 runs from device column 378 to 391.
    EXPECT_EQ(image.pixelColor(377, 40), role(QPalette::Button));
    EXPECT_EQ(countIn(image, {378, 40, 14, 1}, back), 14);
    EXPECT_NE(image.pixelColor(392, 40), back);
    // The gap between cells 0 and 1 of a box: device columns 122 to 127.
    EXPECT_EQ(countIn(image, {122, 40, 6, 1}, workspace), 6);
    // A "9" is a 40 x 40 device pixel square of the active border colour.
    const QPoint nine = inWindow(button(0, 0, 8), {0, 0}) * 2;
    EXPECT_EQ(nine, QPoint(80, 80));
    EXPECT_EQ(image.pixelColor(nine + QPoint(4, 4)), role(QPalette::Mid));
    EXPECT_EQ(image.pixelColor(nine + QPoint(40, 40)), role(QPalette::Button)) << "the label strip just past it";
}

TEST_F(ScaleTest, CaptionsAndTheFixedDigitAreDrawnAtTheLargerSize)
{
    click(button(1, 1, 4));
    click(view_->fixButton());
    const QImage image = shot();
    const QColor text = role(QPalette::ButtonText);

    const Ink five = inkIn(image, label(1, 1), text);
    const int fiveHigh = QFontMetrics(ui::qt::designFont(ui::designs::lblFont)).tightBoundingRect("5").height();
    EXPECT_NEAR(five.bottom - five.top + 1, 2 * fiveHigh, 3) << "the fixed digit twice as high";
    EXPECT_GT(five.top, 0);
    EXPECT_LT(five.bottom, 121) << "not cut off by the cell's edge";
    EXPECT_GT(five.count, 4 * 150) << "drawn solid at the new size";

    const Ink two = inkIn(image, button(0, 0, 1), text);
    const int twoHigh = QFontMetrics(view_->surface().font()).tightBoundingRect("2").height();
    EXPECT_NEAR(two.bottom - two.top + 1, 2 * twoHigh, 2) << "the caption twice as high";
    EXPECT_GT(two.count, 20);
}
