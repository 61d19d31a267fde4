// Picture rows and icon records, and the display name of a device path.
#include <gtest/gtest.h>

#include "content/display_name.h"
#include "content/picture_rows.h"
#include "plist_fixture.h"

TEST(DisplayName, KeepsTheLastComponentWithoutItsLastExtension)
{
    struct Case {
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"DCIM\\100APPLE\\IMG_0001.JPG", "IMG_0001"},
        {"/DCIM/100APPLE/IMG_0002.PNG", "IMG_0002"},
        {"/Photos/.hidden", ".hidden"},
        {"archive.tar.gz", "archive.tar"},
        {"README", "README"},
        {"/a.b/README", "README"},   // a dot in a folder name does not count
        {"mixed/sep\\x.y", "x"},
        {"trailing.", "trailing"},
        {"/folder/", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DisplayNameOfPath(c.path), c.name) << c.path;
}

TEST(PictureRows, ShowNameTimeAsGivenAndSize)
{
    PlistPtr roll(ItemList({
        Dict({{"path", "/DCIM/100APPLE/IMG_0001.JPG"}, {"time", "2024-03-12 10:15:00"}, {"size", std::uint64_t{2048}}}),
        Dict({{"path", "/DCIM/100APPLE/IMG_0062.MOV"}, {"time", "12/03/2024 at noon"}}),
    }));
    const std::vector<PictureRow> rows = BuildPictureRows(roll.get());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].texts[0], "IMG_0001");
    EXPECT_EQ(rows[0].texts[1], "2024-03-12 10:15:00");
    EXPECT_EQ(rows[0].texts[2], "2.00KB");
    EXPECT_EQ(rows[0].record.size, 2048u);
    EXPECT_EQ(rows[0].record.path, "/DCIM/100APPLE/IMG_0001.JPG");
    EXPECT_EQ(rows[1].texts[1], "12/03/2024 at noon");
    EXPECT_TRUE(rows[1].texts[2].empty());
    EXPECT_EQ(rows[1].record.size, 0u);

    const std::vector<PictureIconViewData> icons = BuildPictureIcons(roll.get(), 5);
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_FALSE(icons[0].loaded);
    EXPECT_EQ(icons[0].imageIndex, 5);
    EXPECT_EQ(icons[1].imageIndex, 6);
    EXPECT_EQ(icons[0].name, "IMG_0001");
    EXPECT_EQ(icons[1].name, "IMG_0062");
    EXPECT_EQ(icons[0].path, "/DCIM/100APPLE/IMG_0001.JPG");
    EXPECT_EQ(icons[0].size, 2048u);

    PlistPtr emptyRoll(ItemList({}));
    EXPECT_TRUE(BuildPictureRows(emptyRoll.get()).empty());
    EXPECT_TRUE(BuildPictureIcons(emptyRoll.get()).empty());
    EXPECT_TRUE(BuildPictureRows(nullptr).empty());
}
