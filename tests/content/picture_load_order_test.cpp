// The choice of the next picture for a thumbnail loader.
#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "content/picture_load_order.h"

namespace {

PictureLoadOrder OrderWith(size_t count, const std::vector<long>& loaded)
{
    PictureLoadOrder order;
    order.Reset(count);
    for (long item : loaded)
        order.MarkLoaded(item);
    return order;
}

} // namespace

TEST(PictureLoadOrder, ChoosesFromTheTopLeftVisibleItemThenFromTheStart)
{
    const PictureChoice all{PictureChoice::kAllLoaded, -1};
    const auto item = [](long index) { return PictureChoice{PictureChoice::kItem, index}; };
    const struct {
        const char* what;
        size_t count;
        std::vector<long> loaded;
        long firstVisible;
        bool shown;
        PictureChoice expected;
    } cases[] = {
        {"scrolled view: its top-left item", 10, {}, 4, true, item(4)},
        {"scrolled view: next unloaded on screen", 10, {4, 5}, 4, true, item(6)},
        {"rest of the view done: from the start", 10, {4, 5, 6, 7, 8, 9}, 4, true, item(0)},
        {"from the start, skipping done items", 10, {0, 1, 4, 5, 6, 7, 8, 9}, 4, true, item(2)},
        {"list view or other category shown", 10, {}, 4, false, item(0)},
        {"not shown, first items done", 10, {0, 1, 2}, 6, false, item(3)},
        {"shown, no visible item known", 10, {0}, -1, true, item(1)},
        {"visible item past the end", 10, {}, 12, true, item(0)},
        {"all loaded", 3, {0, 1, 2}, 1, true, all},
        {"empty view", 0, {}, -1, true, all},
        {"empty view, not shown", 0, {}, -1, false, all},
    };
    for (const auto& c : cases) {
        PictureLoadOrder order = OrderWith(c.count, c.loaded);
        const PictureChoice choice = order.Choose(c.firstVisible, c.shown);
        EXPECT_EQ(choice.kind, c.expected.kind) << c.what;
        EXPECT_EQ(choice.index, c.expected.index) << c.what;
    }
}

TEST(PictureLoadOrder, MarksEachItemOnceAndIgnoresStrangeIndices)
{
    PictureLoadOrder order = OrderWith(3, {1, 1, -1, 3, 100});
    EXPECT_EQ(order.LoadedCount(), 1u);
    EXPECT_TRUE(order.IsLoaded(1));
    EXPECT_FALSE(order.IsLoaded(0));
    EXPECT_FALSE(order.IsLoaded(-1));
    EXPECT_FALSE(order.IsLoaded(3));
    EXPECT_FALSE(order.AllLoaded());
    order.Reset(2);
    EXPECT_EQ(order.LoadedCount(), 0u);
    EXPECT_FALSE(order.IsLoaded(1));
}

// The skip links must always agree with a plain scan, whatever the order in
// which items are marked and looked up.
TEST(PictureLoadOrder, FindsTheSameItemAsAPlainScan)
{
    constexpr size_t kCount = 5000;
    std::mt19937 random(11);
    PictureLoadOrder order;
    order.Reset(kCount);
    std::vector<bool> loaded(kCount, false);
    std::vector<long> items(kCount);
    for (size_t i = 0; i < kCount; ++i)
        items[i] = static_cast<long>(i);
    std::shuffle(items.begin(), items.end(), random);

    for (size_t step = 0; step < kCount; ++step) {
        order.MarkLoaded(items[step]);
        loaded[items[step]] = true;
        for (int probe = 0; probe < 3; ++probe) {
            const long from = static_cast<long>(random() % (kCount + 1));
            long expected = -1;
            for (size_t i = from; i < kCount; ++i) {
                if (!loaded[i]) {
                    expected = static_cast<long>(i);
                    break;
                }
            }
            ASSERT_EQ(order.FirstUnloadedFrom(from), expected) << "step " << step << " from " << from;
        }
    }
    EXPECT_TRUE(order.AllLoaded());
    EXPECT_EQ(order.FirstUnloadedFrom(0), -1);
}
