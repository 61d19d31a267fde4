// The device summary page: the picture by device type, the storage bar's
// segments and the "unknown" capacity.
#include <gtest/gtest.h>

#include "common/image_util.h"
#include "content/plist_fixture.h"
#include "support/gui_test.h"
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include "app/language.h"
#include "window/base/sk_histogram_ctrl.h"
#include "window/client/device_info_view.h"

namespace {

class DeviceInfoViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        view = new DeviceInfoView(frame.Parent(), wxPoint(0, 0), wxSize(800, 500), background);
        ASSERT_TRUE(frame.ShowAndWait());
    }

    wxBitmap background = GetThemeBitmap("image/client/client_bg.png");
    TestFrame frame{wxSize(800, 500)};
    DeviceInfoView* view = nullptr;
};

constexpr std::uint64_t kGB = 1000000000;

} // namespace

TEST_F(DeviceInfoViewTest, PictureFollowsTheType)
{
    EXPECT_EQ(view->GetPicturePath(), "image/client/device-info/unknow.png");
    EXPECT_TRUE(view->GetDeviceImage()->GetBitmap().IsOk());
    const struct {
        const char* type;
        const char* picture;
    } cases[] = {
        {"iPad mini", "image/client/device-info/ipad.png"},
        {"iPhone 4S", "image/client/device-info/iphone.png"},
        {"iPod touch", "image/client/device-info/ipod.png"},
        {"Watch", "image/client/device-info/unknow.png"},
        {"ipad", "image/client/device-info/unknow.png"},
    };
    for (const auto& c : cases) {
        PlistPtr info(Dict({{"Type", c.type}}));
        view->ShowDeviceInfo(info.get());
        EXPECT_EQ(view->GetPicturePath(), c.picture) << c.type;
        EXPECT_TRUE(view->GetDeviceImage()->GetBitmap().IsOk()) << c.type;
    }
    view->ShowDeviceInfo(nullptr);  // nothing changes
    EXPECT_EQ(view->GetPicturePath(), "image/client/device-info/unknow.png");
}

TEST_F(DeviceInfoViewTest, AudioOfEightInThirtyTwoGigabytesFillsAQuarterOfTheBar)
{
    PlistPtr info(Dict({{"Type", "iPhone"},
                        {"Catacity", 32 * kGB},
                        {"Audio", 8 * kGB},
                        {"Video", 4 * kGB},
                        {"Photos", std::uint64_t(0)},
                        {"Others", std::uint64_t(0)},
                        {"Available", 20 * kGB}}));
    view->ShowDeviceInfo(info.get());
    SKHistogramCtrl* bar = view->GetStorageBar();
    ASSERT_EQ(bar->GetParts().size(), 5u);
    EXPECT_DOUBLE_EQ(bar->GetParts()[0]->fraction, 0.25);
    EXPECT_DOUBLE_EQ(bar->GetParts()[1]->fraction, 0.125);
    const int width = bar->GetSize().GetWidth();
    ASSERT_GT(width, 100);
    EXPECT_EQ(bar->GetSize().GetHeight(), 28);
    const std::vector<int> segments =
        SKHistogramCtrl::SegmentWidths({0.25, 0.125, 0.0, 0.0}, width);
    EXPECT_EQ(segments[0], width / 4);
    EXPECT_NE(view->GetCapacityValue(), "unknown");
    EXPECT_EQ(view->GetCapacityText(), view->GetCapacityValue());
    EXPECT_FALSE(view->GetLegendValue(kPartAvailable).empty());
}

TEST_F(DeviceInfoViewTest, WithoutAvailableTheCapacityIsUnknown)
{
    PlistPtr info(Dict({{"Type", "iPod"}, {"Catacity", 32 * kGB}, {"Audio", 8 * kGB}}));
    view->ShowDeviceInfo(info.get());
    EXPECT_EQ(view->GetCapacityValue(), "unknown");
    EXPECT_EQ(view->GetCapacityText(), "unknown");
    EXPECT_TRUE(view->GetLegendValue(kPartAvailable).empty());
    EXPECT_DOUBLE_EQ(view->GetStorageBar()->GetParts()[0]->fraction, 0.25);
}

// The page is filled while the right pane keeps it hidden. Every text still
// asks for the room its own (larger) font needs, in the longest language, so
// that the sizers and the frame's minimum size leave none of it cut.
TEST_F(DeviceInfoViewTest, HiddenPageTextsAskForTheRoomTheirFontNeeds)
{
    InstallLocale(kLanguageFrench);
    // A page that has never been on screen, as in the right pane.
    view->Destroy();
    view = new DeviceInfoView(frame.Parent(), wxPoint(0, 0), wxSize(800, 500), background);
    view->Hide();
    PumpPendingEvents();
    PlistPtr info(Dict({{"Type", "iPhone"},
                        {"DeviceName", "Anna's iPhone"},
                        {"SerialNumber", "F2LDEMO00001"},
                        {"ProductVersion", "17.4.1"},
                        {"Catacity", 128 * kGB},
                        {"Audio", 8 * kGB},
                        {"Available", 40 * kGB}}));
    view->ShowDeviceInfo(info.get());
    int texts = 0;
    for (wxWindow* child : view->GetChildren()) {
        auto* text = dynamic_cast<wxStaticText*>(child);
        if (text == nullptr || text->GetLabel().empty())
            continue;
        ++texts;
        EXPECT_GE(text->GetBestSize().x, text->GetTextExtent(text->GetLabel()).x) << text->GetLabel().utf8_string();
    }
    EXPECT_GE(texts, 15);
    InstallLocale(kLanguageEnglish);
}
