#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "support/ReferenceModel.h"

using support::ReferenceModel;
using ui::RowColumn;

namespace {

// The model is only worth trusting where it is simple; these pin down the parts
// that every comparison with the board leans on.

TEST(ReferenceModelPeers, EveryCellHasTwentyDistinctSymmetricPeers)
{
    for (const RowColumn pos : support::everyRowColumn) {
        auto peers = ReferenceModel::peersOf(pos);
        ASSERT_EQ(peers.size(), 20u);
        std::sort(peers.begin(), peers.end());
        EXPECT_EQ(std::adjacent_find(peers.begin(), peers.end()), peers.end());
        for (RowColumn peer : peers) {
            EXPECT_NE(peer, pos);
            const auto& back = ReferenceModel::peersOf(peer);
            EXPECT_NE(std::find(back.begin(), back.end(), pos), back.end());
        }
    }
}

TEST(ReferenceModelBars, APickBarsItsOtherEightAndTheDigitInItsPeers)
{
    ReferenceModel model;
    model.click({4, 4}, 2);
    EXPECT_EQ(model.bars({4, 4}, 2), 0);
    EXPECT_EQ(model.bars({4, 4}, 7), 1);
    EXPECT_EQ(model.bars({4, 0}, 2), 1); // row
    EXPECT_EQ(model.bars({8, 4}, 2), 1); // column
    EXPECT_EQ(model.bars({3, 5}, 2), 1); // block
    EXPECT_EQ(model.bars({3, 6}, 2), 0); // none of these
    EXPECT_FALSE(model.clickable({4, 0}, 2));
    EXPECT_TRUE(model.clickable({3, 6}, 2));
}

TEST(ReferenceModelClicks, RefusesAClickNoPlayerCanMake)
{
    ReferenceModel model;
    model.click({0, 0}, 0);
    EXPECT_THROW(model.click({0, 1}, 0), std::logic_error); // disabled
    EXPECT_THROW(model.click({0, 0}, 5), std::logic_error); // hidden
    model.fix();
    EXPECT_NO_THROW(model.click({0, 0}, 5)); // a fixed cell ignores any click
    EXPECT_TRUE(model.isPicked({0, 0}));
}

} // namespace
