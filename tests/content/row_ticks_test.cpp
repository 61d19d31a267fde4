// Check boxes of a list and the count and total size of the ticked rows.
#include <gtest/gtest.h>

#include "content/row_ticks.h"

TEST(RowTicks, HeaderClickTicksEveryRowThenUnticksAndRecounts)
{
    RowTicks ticks;
    ticks.Reset(std::vector<std::uint64_t>{1048576, 524288, 0});
    ticks.SetTicked(1, true);  // row 0 stays unticked

    ASSERT_TRUE(ticks.ToggleAll());
    for (size_t row = 0; row < 3; ++row)
        EXPECT_TRUE(ticks.IsTicked(row));
    EXPECT_EQ(ticks.Summary().count, 3u);
    EXPECT_EQ(ticks.Summary().totalSize, 1572864u);

    ASSERT_TRUE(ticks.ToggleAll());
    for (size_t row = 0; row < 3; ++row)
        EXPECT_FALSE(ticks.IsTicked(row));
    EXPECT_EQ(ticks.Summary().count, 0u);
    EXPECT_EQ(ticks.Summary().totalSize, 0u);

    // Row 0 ticked, others not: the header click unticks everything.
    ticks.SetTicked(0, true);
    ASSERT_TRUE(ticks.ToggleAll());
    EXPECT_FALSE(ticks.IsTicked(0));
    EXPECT_EQ(ticks.Summary().count, 0u);
}

TEST(RowTicks, SingleTicksKeepCountAndSize)
{
    RowTicks ticks;
    ticks.Reset(std::vector<std::uint64_t>{100, 200, 300});
    ticks.SetTicked(0, true);
    ticks.SetTicked(2, true);
    ticks.SetTicked(2, true);   // ticking twice counts once
    ticks.SetTicked(7, true);   // no such row
    EXPECT_EQ(ticks.Summary().count, 2u);
    EXPECT_EQ(ticks.Summary().totalSize, 400u);
    ticks.SetTicked(0, false);
    EXPECT_EQ(ticks.Summary().count, 1u);
    EXPECT_EQ(ticks.Summary().totalSize, 300u);
    EXPECT_FALSE(ticks.IsTicked(7));

    ticks.Reset(std::vector<std::uint64_t>{5});
    EXPECT_EQ(ticks.Summary().count, 0u);
    EXPECT_FALSE(ticks.IsTicked(0));
}

TEST(RowTicks, RecordListsCountWithoutSizeAndEmptyListsIgnoreTheHeader)
{
    RowTicks ticks;
    ticks.Reset(size_t{4});
    ticks.SetTicked(3, true);
    EXPECT_EQ(ticks.Summary().count, 1u);
    EXPECT_EQ(ticks.Summary().totalSize, 0u);
    ASSERT_TRUE(ticks.ToggleAll());
    EXPECT_EQ(ticks.Summary().count, 4u);
    EXPECT_EQ(ticks.Summary().totalSize, 0u);

    RowTicks empty;
    EXPECT_FALSE(empty.ToggleAll());
    EXPECT_EQ(empty.Summary().count, 0u);
}
