// Rows, filters, search and the summary over the generated demo iPhone,
// read through the device library and the detection.
#include <cstdlib>

#include <gtest/gtest.h>

#include "app/language.h"
#include "content/content_kind.h"
#include "content/device_summary.h"
#include "content/media_filter.h"
#include "content/media_rows.h"
#include "content/picture_rows.h"
#include "content/public_list_view_copy.h"
#include "content/record_rows.h"
#include "device/detection.h"
#include "device/device_table.h"

namespace {

class DemoContent : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        InstallLocale(kLanguageEnglish);
        setenv("HANDOVER_DEVICES", HANDOVER_STAGE_DIR "/demo-devices/iphone", 1);
        RunDetection(nullptr);
        unsetenv("HANDOVER_DEVICES");
    }

    static void TearDownTestSuite()
    {
        RunDetection(nullptr);  // HANDOVER_DEVICES is unset: releases the device
    }

    void SetUp() override
    {
        lock_ = std::make_unique<wxMutexLocker>(deviceTable.deviceTableMutex);
        ASSERT_EQ(deviceTable.deviceCount, 1);
        slot_ = &deviceTable.slots[0];
        ASSERT_TRUE(slot_->inUse);
    }

    std::unique_ptr<wxMutexLocker> lock_;
    const DeviceSlot* slot_ = nullptr;
};

} // namespace

TEST_F(DemoContent, MusicRowsFiltersAndSearch)
{
    std::vector<ContentRow> rows = BuildMediaRows(kKindMusic, slot_->music);
    ASSERT_EQ(rows.size(), 40u);
    EXPECT_EQ(rows[0].texts[0], "Northern Lights");
    EXPECT_EQ(rows[0].texts[1], "0:3:21");
    EXPECT_EQ(rows[0].path, "/iTunes_Control/Music/F00/DUEY.mp3");

    PublicListViewCopy copy;
    copy.Assign(ContentList::Media, TypeIconPath(kKindMusic), std::move(rows));
    const std::vector<wxString> genres = BuildFilterRows(copy, FilterColumn::Genre);
    EXPECT_EQ(genres, (std::vector<wxString>{"(All)", "Rock", "rock", "Jazz", "Pop", "J-Pop", "Classical",
                                             "Electronic"}));
    EXPECT_EQ(FilterMediaRows(copy, FilterColumn::Genre, genres, 2).size(), 11u);  // Rock 6 and rock 5
    EXPECT_EQ(FilterMediaRows(copy, FilterColumn::Genre, genres, 0).size(), 40u);
    // The two Greek songs have no album: one empty album row.
    const std::vector<wxString> albums = BuildFilterRows(copy, FilterColumn::Album);
    EXPECT_EQ(std::count(albums.begin(), albums.end(), wxString()), 1);

    EXPECT_EQ(copy.Search("CORVANE BAND").size(), 6u);
    EXPECT_EQ(copy.Search(wxString::FromUTF8("ΕΛΈΝΗ")).size(), 2u);
    EXPECT_TRUE(copy.Search("0:3:21").empty());
}

TEST_F(DemoContent, EveryOtherCategoryGivesItsRows)
{
    EXPECT_EQ(BuildMediaRows(kKindMovies, slot_->movies).size(), 3u);
    EXPECT_EQ(BuildMediaRows(kKindTvShows, slot_->tvShows).size(), 4u);
    EXPECT_EQ(BuildMediaRows(kKindRingtones, slot_->ringtones).size(), 3u);

    const std::vector<ContentRow> books = BuildBookRows(kKindBooks, slot_->books);
    ASSERT_EQ(books.size(), 6u);
    EXPECT_EQ(books[0].texts[0], "Alice's Adventures in Wonderland");
    EXPECT_EQ(books[0].collection, "Books");
    EXPECT_EQ(books[5].collection, "PDFs");

    const std::vector<ContentRow> playlists = BuildPlaylistRows(kKindPlaylists, slot_->playlists);
    ASSERT_EQ(playlists.size(), 14u);
    EXPECT_EQ(playlists[8].collection, "Late Night Jazz");

    const std::vector<ContentRow> memos = BuildVoiceMemoRows(slot_->voiceMemos);
    ASSERT_EQ(memos.size(), 3u);
    EXPECT_EQ(memos[1].texts[0], "Recording 2");

    const std::vector<PictureRow> pictures = BuildPictureRows(slot_->cameraRoll);
    ASSERT_EQ(pictures.size(), 62u);
    EXPECT_EQ(pictures[0].texts[0], "IMG_0001");
    EXPECT_EQ(pictures[0].texts[1], "2023-01-04 09:07:13");
    EXPECT_EQ(BuildPictureIcons(slot_->photos).size(), 30u);

    EXPECT_EQ(BuildContactRows(slot_->sortedContacts).size(), 15u);
    EXPECT_EQ(BuildConversationRows(slot_->messages).size(), 5u);
    EXPECT_EQ(BuildNoteRows(slot_->notes).size(), 5u);

    const std::vector<ContentRow> bookmarks = BuildBookmarkRows(slot_->bookmarks);
    ASSERT_EQ(bookmarks.size(), 8u);
    EXPECT_EQ(bookmarks[0].texts[0], "Corvane");
    EXPECT_EQ(bookmarks[0].texts[1], "Bookmarks");
    EXPECT_EQ(bookmarks[1].texts[1], "News");
    EXPECT_EQ(bookmarks[6].texts[0], "Desserts");
    EXPECT_TRUE(bookmarks[6].texts[2].empty());
    EXPECT_EQ(bookmarks[7].texts[0], "Wikipedia");
}

TEST_F(DemoContent, DeviceSummary)
{
    const DeviceSummary summary = BuildDeviceSummary(slot_->deviceInfo);
    EXPECT_EQ(summary.picturePath, "image/client/device-info/iphone.png");
    EXPECT_EQ(summary.name, "Anna's iPhone");
    EXPECT_EQ(summary.serialNumber, "F2LDEMO00001");
    EXPECT_EQ(summary.capacity, "119.10GB");
    double used = 0;
    for (int part = kPartAudio; part < kPartAvailable; ++part)
        used += summary.fractions[part];
    EXPECT_NEAR(used + summary.fractions[kPartAvailable], 1.0, 0.001);
}
