#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "app/History.h"
#include "support/HeldBytes.h"
#include "support/NullPlatform.h"

namespace {

// Past 10,000 actions the oldest go, with their memory: 10,000 of them, a "Reset"
// after every pick, take at most a MiB.
TEST(HistoryLimit, KeepsTheNewest10000ActionsInAtMostAMebibyte)
{
    Orvane_Main board(std::make_unique<ui::NullBoardWindow>());
    const support::HeldBytes held;
    History history(board);
    const auto pickAndReset = [&] {
        for (int n = 0; n < 5000; ++n) {
            history.click(ui::BoxCell{8, 8}, 8);
            history.reset();
        }
    };
    pickAndReset();
    const std::size_t full = held.now();
    EXPECT_LE(full, 1u << 20);
    history.click(ui::BoxCell{0, 0}, 0);
    for (int n = 0; n < 50; ++n) {
        history.fix();
        history.unFix();
    }
    pickAndReset();
    EXPECT_LE(held.now(), full + 1024) << "the oldest actions go with their memory";
    EXPECT_EQ(history.undo().cell, std::nullopt); // a command names no cell
    EXPECT_EQ(history.undo().cell, (ui::BoxCell{8, 8}));
    for (int n = 2; n < 10000; ++n)
        ASSERT_TRUE(history.undo().happened) << n;
    EXPECT_FALSE(history.undo().happened);
    EXPECT_TRUE(board.box(0).cell(0).hasPick());
    EXPECT_FALSE(board.box(0).cell(0).isFrozen() || board.box(8).cell(8).hasPick());
}

} // namespace
