#include <QAccessible>
#include <string>
#include <utility>
#include <vector>

#include "ShownBoardTest.h"

// What the board announces, heard where it leaves the program: an update handler
// takes each event where Qt's bridge to AT-SPI would. Qt turns its accessibility
// on only with the desktop's accessibility bus, so this runs on a display with one
// (tests/desktop/accessibility.sh).
namespace {

std::vector<std::pair<QAccessible::Event, QAccessibleInterface*>> announced;
void hear(QAccessibleEvent* event) { announced.emplace_back(event->type(), event->accessibleInterface()); }

TEST_F(ShownBoardTest, EveryAnnouncementNamesAPartInsideItsCellInsideTheTable)
{
    QAccessible::installUpdateHandler(hear);
    for (int n = 0; n < 600 && !QAccessible::isActive(); ++n)
        QTest::qWait(50);
    ASSERT_TRUE(QAccessible::isActive()) << "no accessibility bus";
    // Whether `act` announces `event` of the part named `name`. The widgets' own
    // events are Qt's.
    const auto announces = [](auto act, QAccessible::Event event, const std::string& name) {
        announced.clear();
        act();
        bool found = false;
        for (const auto& [what, node] : announced) {
            if (node == nullptr || node->object() != nullptr)
                continue;
            QAccessibleInterface* cell = node->role() == QAccessible::Cell ? node : node->parent();
            const std::string named = node->text(QAccessible::Name).toStdString();
            EXPECT_TRUE(cell->role() == QAccessible::Cell && cell->parent()->role() == QAccessible::Table) << named;
            EXPECT_TRUE(named.empty() || named.starts_with(cell->text(QAccessible::Name).toStdString())) << named;
            found |= what == event && named == name;
        }
        return found;
    };
    EXPECT_TRUE(announces([&] { press(Qt::Key_Tab); }, QAccessible::Focus, "Row 1, column 1, candidate 2"));
    EXPECT_TRUE(announces([&] { click(button(4, 4, 4)); }, QAccessible::StateChanged, "Row 5, column 1, candidate 5"));
    EXPECT_TRUE(announces([&] { click(view_->fixButton()); }, QAccessible::NameChanged, "Row 5, column 5, digit 5"));
    EXPECT_TRUE(
        announces([&] { click(view_->unFixButton()); }, QAccessible::ObjectShow, "Row 5, column 5, candidate 5"));
    EXPECT_TRUE(announces([&] { click(button(4, 4, 4)); }, QAccessible::ObjectShow, "Row 5, column 5, candidate 1"));
    click(button(0, 0, 0));
    EXPECT_TRUE(
        announces([&] { click(view_->resetButton()); }, QAccessible::StateChanged, "Row 1, column 2, candidate 1"));
    QAccessible::installUpdateHandler(nullptr);
}

} // namespace
