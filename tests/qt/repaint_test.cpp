#include <QCoreApplication>
#include <QScreen>
#include <QWindow>

#include "ShownBoardTest.h"

// What a click repaints: every candidate and label whose look it changed, and
// nothing else.
class RepaintTest : public ShownBoardTest {
protected:
    // Whether a paint covered some of the label where no candidate hides it.
    bool labelRepainted(const PaintLog& log, int b, int k)
    {
        QRegion uncovered = log.region(cell(b, k));
        for (int i = 0; i < 9; ++i)
            if (!button(b, k, i).isHidden())
                uncovered -= button(b, k, i).geometry();
        return !uncovered.isEmpty();
    }

    // What the window system was last handed, as opposed to a fresh rendering.
    QImage onScreen() { return window().screen()->grabWindow(window().winId()).toImage(); }
    QImage rendered() { return window().grab().toImage().convertToFormat(onScreen().format()); }

    static void settle() { QCoreApplication::processEvents(); }
};

TEST_F(RepaintTest, APickRepaintsTheBarredButtonsAndItsOwnCellButNoOtherLabel)
{
    // A first pick and take-back: it brings the focus here (moving it repaints the
    // button it leaves) and gives every peer its first repaint, which turns the
    // designed colour of their "9" to the button face.
    click(button(4, 4, 4));
    click(button(4, 4, 4));
    settle();

    PaintLog log;
    click(button(4, 4, 4));
    settle();

    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k) {
            const bool own = b == 4 && k == 4;
            EXPECT_EQ(labelRepainted(log, b, k), own)
                << "label of box " << b << " cell " << k << (own ? ": uncovered by the pick" : ": still covered");
            for (int i = 0; i < 9; ++i) {
                if (button(b, k, i).isHidden())
                    continue;
                const bool changed = i == 4 && (own || arePeers(4, 4, b, k));
                EXPECT_EQ(repainted(log, button(b, k, i)), changed)
                    << "box " << b << " cell " << k << " button " << i;
            }
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
