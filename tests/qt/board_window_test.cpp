#include <QFontInfo>
#include <QStyleOptionButton>
#include <cstdlib>

#include "ShownBoardTest.h"
#include "app/modOrvane.h"
#include "ui/qt/DesignFonts.h"
#include "ui/qt/QtPlatform.h"

class BoardWindowTest : public ShownBoardTest {};

TEST_F(BoardWindowTest, OpensAsForm2WithAFixedInnerArea)
{
    EXPECT_EQ(window().windowTitle(), "Form2");
    EXPECT_EQ(window().size(), QSize(650, 582));
    EXPECT_EQ(window().minimumSize(), QSize(650, 582));
    EXPECT_EQ(window().maximumSize(), QSize(650, 582));
}

// The nine boxes are one surface ending a pixel above the window's bottom; the
// commands are the toolkit's own buttons.
TEST_F(BoardWindowTest, IsFiveWidgetsTheBoardsSurfaceAndTheThreeCommandsWhereTheirDesignsPutThem)
{
    EXPECT_EQ(window().findChildren<QWidget*>().size(), 4);
    EXPECT_EQ(view_->surface().geometry(), QRect(0, 0, 581, 581));
    EXPECT_EQ(view_->resetButton().geometry(), QRect(588, 4, 61, 25));
    EXPECT_EQ(view_->fixButton().geometry(), QRect(588, 36, 61, 25));
    EXPECT_EQ(view_->unFixButton().geometry(), QRect(588, 68, 61, 25));
    EXPECT_EQ(view_->resetButton().text(), "Reset");
    EXPECT_EQ(view_->fixButton().text(), "Fix");
    EXPECT_EQ(view_->unFixButton().text(), "Un-Fix");
}

TEST_F(BoardWindowTest, CaptionsUseTheDefaultControlFontAndTheLabelItsLargeBoldFace)
{
    for (const QFont& caption : {view_->surface().font(), view_->unFixButton().font()}) {
        const QFontInfo info(caption);
        EXPECT_EQ(info.pixelSize(), 11);
        EXPECT_FALSE(info.bold());
    }
    const QFontInfo digit(ui::qt::designFont(ui::designs::lblFont));
    EXPECT_EQ(digit.pixelSize(), 55);
    EXPECT_TRUE(digit.bold());
}

// Run in every language of the catalogue (ctest sets LANGUAGE): each command's
// caption fits inside its button's frame and margins, in the font the build uses.
TEST_F(BoardWindowTest, CaptionsFitTheirButtonsInThePlayersLanguage)
{
    const char* language = std::getenv("LANGUAGE");
    if (language && *language) {
        EXPECT_STRNE(ui::_("Row %1$d, column %2$d"), "Row %1$d, column %2$d") << "no catalogue for " << language;
    }
    for (QPushButton* button : {&view_->resetButton(), &view_->fixButton(), &view_->unFixButton()}) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        EXPECT_LE(text.width(), room.width()) << button->text().toStdString();
        EXPECT_LE(text.height(), room.height()) << button->text().toStdString();
    }
}

TEST_F(BoardWindowTest, APressLetGoOffTheButtonClicksNothing)
{
    QWidget& surface = view_->surface();
    QTest::mousePress(&surface, Qt::LeftButton, {}, button(0, 0, 0).geometry().center());
    EXPECT_TRUE(button(0, 0, 0).isDown());
    QTest::mouseMove(&surface, button(0, 0, 4).geometry().center());
    EXPECT_FALSE(button(0, 0, 0).isDown()) << "sunk only while the pointer is over it";
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, button(0, 0, 4).geometry().center());
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(button(0, 0, i).isVisible()) << "nothing was picked";
}

TEST_F(BoardWindowTest, ClicksPickAndTakeBackButNotOnABarredOrHiddenCandidateAndFixShowsTheDigit)
{
    click(button(0, 0, 0));
    click(button(0, 1, 0));
    click(button(0, 0, 4));
    EXPECT_TRUE(button(0, 1, 4).isEnabled()) << "neither the barred 1 nor the hidden 5 was picked";
    click(button(2, 3, 6));
    click(view_->fixButton());
    EXPECT_EQ(label(2, 3).caption(), "7");
    click(label(2, 3));
    EXPECT_EQ(label(2, 3).caption(), "7") << "a fixed cell ignores clicks";
    click(view_->unFixButton());
    click(button(2, 3, 6));
    EXPECT_TRUE(button(2, 3, 0).isVisible()) << "taken back";
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
