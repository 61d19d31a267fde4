#include <gtest/gtest.h>

#include <vector>

#include "window/base/menu_switch.h"

namespace {

// File, Edit, Help side by side at (100, 200) on the screen, 16 high.
const std::vector<MenuTitleSpot> kTitles = {
    {235, wxRect(100, 200, 40, 16)},
    {236, wxRect(140, 200, 40, 16)},
    {239, wxRect(180, 200, 60, 16)},
};

struct SwitchCase {
    const char* what;
    int openId;
    wxPoint pointer;
    int answer;
};

} // namespace

TEST(MenuSwitch, TheTitleUnderThePointerDecides)
{
    const std::vector<SwitchCase> cases = {
        {"on the open title", 235, {110, 205}, kMenuPointerOnOpenTitle},
        {"on the open title's last column", 235, {139, 215}, kMenuPointerOnOpenTitle},
        {"on the next title's first column", 235, {140, 200}, 236},
        {"on a title further along", 235, {239, 210}, 239},
        {"back on an earlier title", 239, {100, 200}, 235},
        {"in the open menu below the bar", 235, {110, 217}, kMenuPointerElsewhere},
        {"above the bar", 236, {150, 199}, kMenuPointerElsewhere},
        {"left of the bar", 235, {99, 205}, kMenuPointerElsewhere},
        {"right of the bar", 235, {240, 205}, kMenuPointerElsewhere},
        {"no menu open yet", -1, {150, 205}, 236},
    };
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DecideMenuSwitch(kTitles, c.openId, c.pointer), c.answer);
    }
}

TEST(MenuSwitch, OverlappingTitlesGoToTheFirstInBarOrderAndAnEmptyBarToNone)
{
    const std::vector<MenuTitleSpot> overlapping = {{1, wxRect(0, 0, 50, 10)}, {2, wxRect(40, 0, 50, 10)}};
    EXPECT_EQ(DecideMenuSwitch(overlapping, 2, {45, 5}), 1);
    EXPECT_EQ(DecideMenuSwitch(overlapping, 1, {45, 5}), kMenuPointerOnOpenTitle);
    EXPECT_EQ(DecideMenuSwitch({}, 1, {45, 5}), kMenuPointerElsewhere);
}
