#include <QCoreApplication>
#include <QScreen>
#include <QWindow>
#include <functional>
#include <initializer_list>

#include "ShownBoardTest.h"

// What an action repaints is the board's to say; Qt paints it in one pass.
class RepaintTest : public ShownBoardTest {
protected:
    // What the window system was last handed, as opposed to a fresh rendering.
    QImage onScreen() { return window().screen()->grabWindow(window().winId()).toImage(); }
    QImage rendered() { return window().grab().toImage().convertToFormat(onScreen().format()); }

    static void settle() { QCoreApplication::processEvents(); }
};

TEST_F(RepaintTest, EveryActionRepaintsTheBoardInOnePaintEvent)
{
    settle();
    PaintLog log;
    for (const auto& act : std::initializer_list<std::function<void()>>{
             [&] { button(4, 4, 4).click(); }, [&] { view_->fixButton().click(); },
             [&] { view_->unFixButton().click(); }, [&] { button(4, 4, 4).click(); },
             [&] { view_->resetButton().click(); }}) {
        log.clear();
        act();
        ASSERT_TRUE(QTest::qWaitFor([&] { return log.paints(view_->surface()) > 0; }));
        settle();
        EXPECT_EQ(log.paints(view_->surface()), 1);
    }
}

TEST_F(RepaintTest, TheScreenShowsWhatAFreshRenderingShowsAfterEveryStep)
{
    settle();
    ASSERT_EQ(onScreen(), rendered()) << "when first shown";

    click(button(4, 4, 4));
    EXPECT_EQ(onScreen(), rendered()) << "after a pick";
    click(button(3, 2, 6));
    EXPECT_EQ(onScreen(), rendered()) << "after a pick in a peer row";
    click(view_->fixButton());
    EXPECT_EQ(onScreen(), rendered()) << "after Fix";
    click(view_->unFixButton());
    EXPECT_EQ(onScreen(), rendered()) << "after Un-Fix";
    click(button(4, 4, 4));
    EXPECT_EQ(onScreen(), rendered()) << "after a take-back";
    click(view_->resetButton());
    EXPECT_EQ(onScreen(), rendered()) << "after Reset";
}
