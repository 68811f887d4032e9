#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/modOrvane.h"
#include "cell/usrcntBlock.h"
#include "support/FakeCell.h"
#include "support/FakePlatform.h"
#include "support/VisibleState.h"

using support::FakePlatform;
using support::LogEntry;
using ui::SysColor;

namespace {

class Startup : public ::testing::Test {
protected:
    void TearDown() override { modOrvane::releaseBoard(); }

    std::vector<std::string> windowCalls() const
    {
        std::vector<std::string> calls;
        for (const LogEntry& entry : platform.log().entries())
            if (!entry.isPropertyWrite())
                calls.push_back(entry.text());
        return calls;
    }

    FakePlatform platform;
};

TEST_F(Startup, MainCreatesOneWindowAndShowsItEachTime)
{
    ASSERT_EQ(modOrvane::board(), nullptr);
    modOrvane::Main(platform);
    ASSERT_NE(modOrvane::board(), nullptr);
    modOrvane::Main(platform);
    modOrvane::Main(platform);

    EXPECT_EQ(platform.windowsCreated(), 1);
    EXPECT_EQ(platform.lastWindow()->timesShown(), 3);
    EXPECT_EQ(windowCalls(), (std::vector<std::string>{"createBoardWindow", "show", "show", "show"}));
}

TEST_F(Startup, CreatingTheBoardOnlyEmptiesTheLabels)
{
    modOrvane::Main(platform);
    const auto& entries = platform.log().entries();
    ASSERT_EQ(entries.size(), 1u + 81u + 1u);
    EXPECT_EQ(entries.front().text(), "createBoardWindow");
    for (std::size_t n = 1; n <= 81; ++n)
        EXPECT_EQ(entries.at(n).what, LogEntry::What::Caption) << entries.at(n).text();
    EXPECT_EQ(entries.back().text(), "show");

    support::BoardState designed;
    for (support::CellState& cell : designed.cells)
        cell.btnBlock.at(8).backColor = SysColor::ActiveBorder;
    EXPECT_EQ(support::describeDifferences(designed, platform.lastWindow()->visibleState()), "");
}

TEST_F(Startup, TheShownWindowAnswersClicks)
{
    modOrvane::Main(platform);
    support::FakeBoardWindow& window = *platform.lastWindow();
    window.cell({0, 0}).button(4).click();
    EXPECT_EQ(window.cell({0, 0}).visibleState().btnBlock.at(3).visible, false);
    EXPECT_EQ(window.cell({2, 2}).visibleState().btnBlock.at(4).enabled, false);

    window.fixButton().click();
    EXPECT_EQ(window.cell({0, 0}).label().caption(), "5");
    window.unFixButton().click();
    EXPECT_EQ(window.cell({0, 0}).label().caption(), "");
    window.resetButton().click();
    EXPECT_EQ(window.visibleState(), support::BoardState{});
}

// Two cells on one set of controls is a wiring fault: the second cell's wiring
// fails, and the clicks stay with the first.
TEST(Wiring, ASecondContainerOnTheSameControlsIsRefused)
{
    support::WriteLog log;
    support::FakeCell controls(log);
    usrcntBlock first(controls);
    EXPECT_THROW(usrcntBlock second(controls), std::logic_error);

    int chosen = -1;
    first.Chosen.connect([&chosen](std::int16_t btnIndex, bool) { chosen = btnIndex; });
    controls.button(3).click();
    EXPECT_EQ(chosen, 3);
}

} // namespace
