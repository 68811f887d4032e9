#include <QFontDatabase>
#include <QFontInfo>

#include "ShownBoardTest.h"
#include "app/modOrvane.h"
#include "ui/qt/QtPlatform.h"

using ui::SysColor;

namespace {

// Lengths of the stored designs in pixels at 96 dpi.
QRect boxRect(int b) { return {196 * (b % 3), 196 * (b / 3), 189, 189}; }
QRect cellRect(int k) { return {64 * (k % 3), 64 * (k / 3), 61, 61}; }
QRect buttonRect(int i) { return {20 * (i % 3), 20 * (i / 3), 20, 20}; }

} // namespace

class BoardWindowTest : public ShownBoardTest {};

TEST_F(BoardWindowTest, OpensAsForm2WithAFixedInnerArea)
{
    EXPECT_EQ(window().windowTitle(), "Form2");
    EXPECT_EQ(window().size(), QSize(650, 582));
    EXPECT_EQ(window().minimumSize(), QSize(650, 582));
    EXPECT_EQ(window().maximumSize(), QSize(650, 582));
}

TEST_F(BoardWindowTest, EveryControlStandsWhereItsDesignPutsIt)
{
    for (int b = 0; b < 9; ++b) {
        auto& box = view_->box(static_cast<std::int16_t>(b));
        ASSERT_EQ(box.parentWidget(), &window());
        EXPECT_EQ(box.geometry(), boxRect(b)) << "box " << b;
        for (int k = 0; k < 9; ++k) {
            auto& cell = box.cell(static_cast<std::int16_t>(k));
            EXPECT_EQ(cell.geometry(), cellRect(k)) << "box " << b << " cell " << k;
            EXPECT_EQ(label(b, k).geometry(), QRect(0, 0, 61, 61));
            for (int i = 0; i < 9; ++i) {
                const Candidate candidate = button(b, k, i);
                ASSERT_EQ(&candidate.cell(), &cell);
                EXPECT_EQ(candidate.geometry(), buttonRect(i)) << "box " << b << " cell " << k << " button " << i;
                EXPECT_EQ(candidate.text(), QString::number(i + 1));
            }
        }
    }
    EXPECT_EQ(view_->resetButton().geometry(), QRect(588, 4, 61, 25));
    EXPECT_EQ(view_->fixButton().geometry(), QRect(588, 36, 61, 25));
    EXPECT_EQ(view_->unFixButton().geometry(), QRect(588, 68, 61, 25));
    EXPECT_EQ(view_->resetButton().text(), "Reset");
    EXPECT_EQ(view_->fixButton().text(), "Fix");
    EXPECT_EQ(view_->unFixButton().text(), "Un-Fix");
}

TEST_F(BoardWindowTest, TheBoardEndsOnePixelAboveTheWindowsBottomAndEachCellLeavesAStripOfLabel)
{
    const QRect lastBox = view_->box(8).geometry();
    EXPECT_EQ(QPoint(lastBox.x() + lastBox.width(), lastBox.y() + lastBox.height()), QPoint(581, 581));
    EXPECT_EQ(lastBox.y() + lastBox.height(), window().height() - 1);
    const QRect lastCell = view_->box(8).cell(8).geometry();
    EXPECT_EQ(lastCell.x() + lastCell.width(), lastBox.width());
    EXPECT_EQ(lastCell.y() + lastCell.height(), lastBox.height());
    const QRect nine = button(8, 8, 8).geometry();
    EXPECT_EQ(QPoint(nine.x() + nine.width(), nine.y() + nine.height()), QPoint(60, 60));
    EXPECT_EQ(lastCell.width() - (nine.x() + nine.width()), 1);
    const QRect reset = view_->resetButton().geometry();
    EXPECT_EQ(reset.x() + reset.width(), window().width() - 1) << "the command buttons end one pixel inside";
}

TEST_F(BoardWindowTest, CaptionsUseTheDefaultControlFontAndTheLabelItsLargeBoldFace)
{
    for (const QFont& caption : {cell(3, 4).font(), view_->unFixButton().font()}) {
        const QFontInfo info(caption);
        EXPECT_EQ(info.pixelSize(), 11);
        EXPECT_FALSE(info.bold());
    }
    const QFontInfo digit(label(0, 0).font());
    EXPECT_EQ(digit.pixelSize(), 55);
    EXPECT_TRUE(digit.bold());
    EXPECT_FALSE(digit.italic());
    EXPECT_FALSE(QFontDatabase::isFixedPitch(digit.family()));
}

TEST_F(BoardWindowTest, WhenOpenedEveryNineShowsActiveBorderAndNoCellShowsADigit)
{
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k) {
            EXPECT_TRUE(label(b, k).caption().isEmpty());
            for (int i = 0; i < 9; ++i) {
                EXPECT_TRUE(button(b, k, i).isVisible());
                EXPECT_TRUE(button(b, k, i).isEnabled());
                EXPECT_EQ(button(b, k, i).face(), i == 8 ? SysColor::ActiveBorder : SysColor::ButtonFace);
            }
        }
}

TEST_F(BoardWindowTest, ResetGivesEveryNineTheButtonFace)
{
    click(view_->resetButton());
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            EXPECT_EQ(button(b, k, 8).face(), SysColor::ButtonFace) << "box " << b << " cell " << k;
}

TEST_F(BoardWindowTest, APickHidesTheCellsOtherButtonsAndBarsItsDigitInTheTwentyPeers)
{
    click(button(4, 4, 2));
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(button(4, 4, i).isVisible(), i == 2) << "button " << i;

    int barred = 0;
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k) {
            if (b == 4 && k == 4)
                continue;
            const bool peer = arePeers(4, 4, b, k);
            const Candidate three = button(b, k, 2);
            EXPECT_TRUE(three.isVisible());
            EXPECT_EQ(three.isEnabled(), !peer) << "box " << b << " cell " << k;
            EXPECT_EQ(three.face(), peer ? SysColor::WindowText : SysColor::ButtonFace);
            EXPECT_TRUE(button(b, k, 0).isEnabled());
            barred += peer ? 1 : 0;
        }
    EXPECT_EQ(barred, 20);
}

TEST_F(BoardWindowTest, ATakeBackFreesThePeersAgain)
{
    click(button(0, 8, 6));
    click(button(0, 8, 6));
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k) {
            EXPECT_TRUE(button(b, k, 6).isVisible());
            EXPECT_TRUE(button(b, k, 6).isEnabled());
            EXPECT_NE(button(b, k, 6).face(), SysColor::WindowText);
        }
}

TEST_F(BoardWindowTest, ABarredButtonIgnoresAClick)
{
    click(button(0, 0, 0));
    ASSERT_FALSE(button(0, 1, 0).isEnabled());
    click(button(0, 1, 0));
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(button(0, 1, i).isVisible()) << "the barred click picked nothing";
    EXPECT_TRUE(button(1, 0, 1).isEnabled()) << "and barred nothing further along the row";
}

TEST_F(BoardWindowTest, APressLetGoOffTheButtonClicksNothing)
{
    auto& cellWidget = cell(0, 0);
    QTest::mousePress(&cellWidget, Qt::LeftButton, {}, button(0, 0, 0).geometry().center());
    EXPECT_TRUE(button(0, 0, 0).isDown());
    QTest::mouseMove(&cellWidget, button(0, 0, 4).geometry().center());
    EXPECT_FALSE(button(0, 0, 0).isDown()) << "sunk only while the pointer is over it";
    QTest::mouseRelease(&cellWidget, Qt::LeftButton, {}, button(0, 0, 4).geometry().center());
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(button(0, 0, i).isVisible()) << "nothing was picked";
}

TEST_F(BoardWindowTest, AHiddenButtonCannotBeClicked)
{
    click(button(0, 0, 0));
    ASSERT_TRUE(button(0, 0, 4).isHidden());
    click(button(0, 0, 4));
    EXPECT_TRUE(button(0, 0, 4).isHidden());
    EXPECT_TRUE(button(0, 0, 0).isVisible());
    EXPECT_TRUE(button(0, 1, 4).isEnabled()) << "a pick of 5 would have barred it";
}

TEST_F(BoardWindowTest, FixShowsThePickedDigitUnFixThawsAndResetEmpties)
{
    click(button(2, 3, 6));
    click(view_->fixButton());
    EXPECT_EQ(label(2, 3).caption(), "7");
    EXPECT_TRUE(button(2, 3, 6).isHidden());
    click(label(2, 3));
    EXPECT_EQ(label(2, 3).caption(), "7") << "a fixed cell ignores clicks";

    click(view_->unFixButton());
    EXPECT_TRUE(label(2, 3).caption().isEmpty());
    EXPECT_TRUE(button(2, 3, 6).isVisible());

    click(view_->fixButton());
    click(view_->resetButton());
    EXPECT_TRUE(label(2, 3).caption().isEmpty());
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(button(2, 3, i).isVisible());
        EXPECT_TRUE(button(2, 3, i).isEnabled());
        EXPECT_EQ(button(2, 3, i).face(), SysColor::ButtonFace);
    }
    EXPECT_TRUE(button(2, 4, 6).isEnabled());
}

// A repaint of a cell writes all nine buttons; only a write that changes the look
// may cost a paint, and only of that one button.
TEST_F(BoardWindowTest, ARepaintPaintsOnlyTheButtonsWhoseLookChanged)
{
    PaintLog log;
    // Reset repaints every "9"; the window paints all it has to in one pass, so
    // once the last of them has painted, nothing of Reset is left to come.
    click(view_->resetButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return repainted(log, button(8, 8, 8)); }));
    log.clear();

    click(button(4, 4, 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return repainted(log, button(4, 3, 2)); }));
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            for (int i = 0; i < 9; ++i) {
                if (b == 4 && k == 4)
                    continue;
                const bool changed = i == 2 && arePeers(4, 4, b, k);
                EXPECT_EQ(repainted(log, button(b, k, i)), changed)
                    << "box " << b << " cell " << k << " button " << i;
            }
}

TEST(StartUp, MainOpensOneBoardWindowAndReleasingItClosesIt)
{
    const auto boardWindows = [] {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += w->windowTitle() == "Form2" ? 1 : 0;
        return n;
    };
    ui::qt::QtPlatform platform;
    modOrvane::Main(platform);
    modOrvane::Main(platform);
    EXPECT_EQ(boardWindows(), 1);
    ASSERT_NE(QApplication::topLevelWidgets().size(), 0);
    modOrvane::releaseBoard();
    EXPECT_EQ(boardWindows(), 0);
}
