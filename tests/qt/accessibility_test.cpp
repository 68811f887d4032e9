#include <QAccessible>
#include <QAccessibleActionInterface>
#include <array>
#include <functional>

#include "ShownBoardTest.h"
#include "ui/desktop/AccessibilityTree.h"

namespace {

using Tree = ui::desktop::AccessibilityTree;
using ui::desktop::Part;

// Qt's interfaces, which its bridge hands to AT-SPI as they are, answer for the
// board, its 81 cells and their 810 parts what the board's tree says of each.
TEST_F(ShownBoardTest, AssistiveTechnologyHearsFromEveryNodeWhatTheBoardsTreeSays)
{
    click(button(4, 4, 4));
    click(view_->fixButton());
    click(button(0, 0, 0));
    Tree tree(view_->surface().board(), view_->surface());
    const auto bits = [](auto... flag) { return std::array{static_cast<bool>(flag)...}; };
    static constexpr QAccessible::Role roles[] = {QAccessible::Table, QAccessible::Cell, QAccessible::Button,
                                                  QAccessible::StaticText};
    const std::function<void(QAccessibleInterface*, Part)> expectHeard = [&](QAccessibleInterface* node, Part part) {
        const std::string at = "node " + std::to_string(part.cell) + " / " + std::to_string(part.part);
        EXPECT_EQ(node->role(), roles[static_cast<int>(Tree::role(part))]) << at;
        EXPECT_EQ(node->text(QAccessible::Name).toStdString(), tree.name(part)) << at;
        EXPECT_EQ(node->text(QAccessible::Description).toStdString(), Tree::description(part)) << at;
        const QAccessible::State state = node->state();
        const Tree::States is = tree.states(part);
        EXPECT_EQ(bits(state.invisible, state.disabled, state.focusable, state.focused, state.pressed),
                  bits(is.invisible, is.unavailable, is.focusable, is.focused, is.pressed))
            << at;
        const QAccessibleActionInterface* action = node->actionInterface();
        EXPECT_EQ(action ? action->actionNames().join(',').toStdString() : "", Tree::action(part)) << at;
        const QRect place = node->rect();
        EXPECT_EQ((ui::desktop::Rect{place.x(), place.y(), place.width(), place.height()}), tree.bounds(part)) << at;
        ASSERT_EQ(node->childCount(), Tree::childCount(part)) << at;
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            EXPECT_EQ(child->parent(), node) << at;
            EXPECT_EQ(node->indexOfChild(child), i) << at;
            const ui::desktop::Rect square = tree.bounds(Tree::child(part, i).value());
            const std::optional<Part> under = tree.childAt(part, {square.left + 1, square.top + 1});
            EXPECT_EQ(node->childAt(square.left + 1, square.top + 1),
                      under ? node->child(Tree::indexInParent(*under)) : nullptr)
                << at << " child " << i;
            expectHeard(child, Tree::child(part, i).value());
        }
    };
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&view_->surface());
    expectHeard(board, {});
    const Part focus = tree.focus().value();
    EXPECT_EQ(board->focusChild(), board->child(focus.cell)->child(focus.part));
    QAccessibleInterface* cell = board->tableInterface()->cellAt(3, 6);
    EXPECT_EQ(cell, board->child(Tree::cellAt(3, 6).cell));
    EXPECT_EQ(std::pair(cell->tableCellInterface()->rowIndex(), cell->tableCellInterface()->columnIndex()),
              std::pair(3, 6));
}

} // namespace
