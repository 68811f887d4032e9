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

std::vector<std::pair<QAccessible::Event, QAccessibleInterface*>> events;
void record(QAccessibleEvent* event) { events.emplace_back(event->type(), event->accessibleInterface()); }

class AnnouncementTest : public ShownBoardTest {
protected:
    void SetUp() override
    {
        QAccessible::installUpdateHandler(record);
        ShownBoardTest::SetUp();
        for (int n = 0; n < 600 && !QAccessible::isActive(); ++n)
            QTest::qWait(50);
        ASSERT_TRUE(QAccessible::isActive()) << "no accessibility bus";
    }
    void TearDown() override
    {
        ShownBoardTest::TearDown();
        QAccessible::installUpdateHandler(nullptr);
    }

    // What was announced of the board's parts since last asked, each checked to lie
    // in its cell inside the table. The widgets' own events are Qt's.
    void hear(const char* after)
    {
        named.clear();
        for (const auto& [event, node] : std::exchange(events, {})) {
            if (node == nullptr || node->object() != nullptr)
                continue;
            const std::string name = node->text(QAccessible::Name).toStdString();
            named.emplace_back(event, name);
            QAccessibleInterface* cell = node->role() == QAccessible::Cell ? node : node->parent();
            EXPECT_EQ(cell->role(), QAccessible::Cell) << after << ": " << name;
            EXPECT_EQ(cell->parent()->role(), QAccessible::Table) << after << ": " << name;
            const std::string cellName = cell->text(QAccessible::Name).toStdString();
            EXPECT_TRUE(cell == node || name.empty() || name.starts_with(cellName + ", ")) << after << ": " << name;
        }
    }
    bool heard(QAccessible::Event event, const std::string& name) const
    {
        return std::ranges::count(named, std::pair(event, name)) > 0;
    }

    std::vector<std::pair<QAccessible::Event, std::string>> named;
};

TEST_F(AnnouncementTest, EveryAnnouncementNamesAPartInsideItsCellInsideTheTable)
{
    press(Qt::Key_Tab);
    hear("a move of the focus");
    EXPECT_TRUE(heard(QAccessible::Focus, "Row 1, column 1, candidate 2"));
    click(button(4, 4, 4));
    hear("a pick");
    EXPECT_TRUE(heard(QAccessible::ObjectHide, "Row 5, column 5, candidate 1"));
    EXPECT_TRUE(heard(QAccessible::StateChanged, "Row 5, column 1, candidate 5"));
    click(view_->fixButton());
    hear("Fix");
    EXPECT_TRUE(heard(QAccessible::NameChanged, "Row 5, column 5, digit 5"));
    click(view_->unFixButton());
    hear("Un-Fix");
    EXPECT_TRUE(heard(QAccessible::ObjectShow, "Row 5, column 5, candidate 5"));
    click(button(4, 4, 4));
    hear("a take-back");
    EXPECT_TRUE(heard(QAccessible::ObjectShow, "Row 5, column 5, candidate 1"));
    click(button(0, 0, 0));
    click(view_->resetButton());
    hear("Reset");
    EXPECT_TRUE(heard(QAccessible::StateChanged, "Row 1, column 2, candidate 1"));
}

} // namespace
