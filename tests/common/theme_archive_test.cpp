// The staged theme archive holds every picture the program loads, at the size
// the widgets are laid out for, and the pictures that must fit together do.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/face_options.h"
#include "common/image_fixtures.h"
#include "common/image_util.h"

namespace {

struct ThemeImage {
    const char* name;
    int width;
    int height;
};

// Every name the program loads, with the size its layout expects.
const ThemeImage kThemeImages[] = {
    {"application/application.png", 128, 128},
    {"image/title/title_bg.png", 8, 32},
    {"image/title/icon.png", 16, 16},
    {"image/title/close_normal.png", 28, 18},
    {"image/title/close_hover.png", 28, 18},
    {"image/title/close_pressed.png", 28, 18},
    {"image/title/minimize_normal.png", 28, 18},
    {"image/title/minimize_hover.png", 28, 18},
    {"image/title/minimize_pressed.png", 28, 18},
    {"image/title/maximize_normal.png", 28, 18},
    {"image/title/maximize_hover.png", 28, 18},
    {"image/title/maximize_pressed.png", 28, 18},
    {"image/title/restore_normal.png", 28, 18},
    {"image/title/restore_hover.png", 28, 18},
    {"image/title/restore_pressed.png", 28, 18},
    {"image/border/top_border_bg.png", 8, 5},
    {"image/border/title_border_bg.png", 5, 32},
    {"image/border/tool_border_bg.png", 5, 42},
    {"image/border/border_bg.png", 5, 5},
    {"image/tool/tool_bg.png", 8, 42},
    {"image/tool/menu_bar_bg.png", 8, 16},
    {"image/tool/export-normal.png", 52, 30},
    {"image/tool/export-current.png", 52, 30},
    {"image/tool/export-pressed.png", 52, 30},
    {"image/tool/list_view_normal.png", 30, 26},
    {"image/tool/list_view_hover.png", 30, 26},
    {"image/tool/list_view_pressed.png", 30, 26},
    {"image/tool/filter_view_normal.png", 30, 26},
    {"image/tool/filter_view_hover.png", 30, 26},
    {"image/tool/filter_view_pressed.png", 30, 26},
    {"image/status/status_bg.png", 8, 30},
    {"image/client/client_bg.png", 32, 32},
    {"image/client/navigation/ipad.png", 16, 16},
    {"image/client/navigation/iphone.png", 16, 16},
    {"image/client/navigation/ipod.png", 16, 16},
    {"image/client/navigation/unknow.png", 16, 16},
    {"image/client/navigation/music.png", 16, 16},
    {"image/client/navigation/movie.png", 16, 16},
    {"image/client/navigation/tv_show.png", 16, 16},
    {"image/client/navigation/podcast.png", 16, 16},
    {"image/client/navigation/audiobook.png", 16, 16},
    {"image/client/navigation/book.png", 16, 16},
    {"image/client/navigation/ringtone.png", 16, 16},
    {"image/client/navigation/playlist.png", 16, 16},
    {"image/client/navigation/voice_memo.png", 16, 16},
    {"image/client/navigation/camera_roll.png", 16, 16},
    {"image/client/navigation/photo.png", 16, 16},
    {"image/client/navigation/contacts.png", 16, 16},
    {"image/client/navigation/messages.png", 16, 16},
    {"image/client/navigation/notes.png", 16, 16},
    {"image/client/navigation/safari.png", 16, 16},
    {"image/client/device-info/ipad.png", 160, 220},
    {"image/client/device-info/iphone.png", 160, 220},
    {"image/client/device-info/ipod.png", 160, 220},
    {"image/client/device-info/unknow.png", 160, 220},
    {"image/client/device-info/percentage_audio.png", 8, 28},
    {"image/client/device-info/percentage_video.png", 8, 28},
    {"image/client/device-info/percentage_photo.png", 8, 28},
    {"image/client/device-info/percentage_others.png", 8, 28},
    {"image/client/device-info/percentage_available.png", 8, 28},
    {"image/client/device-info/sample_audio.png", 14, 14},
    {"image/client/device-info/sample_video.png", 14, 14},
    {"image/client/device-info/sample_photo.png", 14, 14},
    {"image/client/device-info/sample_others.png", 14, 14},
    {"image/client/device-info/sample_available.png", 14, 14},
    {"image/client/getting-started/not_connect.png", 300, 140},
    {"image/client/getting-started/cable.png", 220, 90},
    {"image/client/picture-view/unload_picture.png", 100, 100},
    {"image/content/message/incoming_top.png", 220, 24},
    {"image/content/message/incoming_center.png", 220, 8},
    {"image/content/message/incoming_bottom.png", 220, 16},
    {"image/content/message/outgoing_top.png", 220, 24},
    {"image/content/message/outgoing_center.png", 220, 8},
    {"image/content/message/outgoing_bottom.png", 220, 16},
    {"image/dialog/info_bg.png", 420, 280},
};

wxImage Load(const wxString& name)
{
    const wxBitmap bitmap = GetThemeBitmap(name);
    return bitmap.IsOk() ? bitmap.ConvertToImage() : wxImage();
}

// Mean difference per channel over all pixels, alpha-weighted colours.
double MeanDifference(const wxImage& a, const wxImage& b)
{
    double total = 0;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            const wxColour p = PixelAt(a, x, y);
            const wxColour q = PixelAt(b, x, y);
            total += std::abs(p.Red() * p.Alpha() - q.Red() * q.Alpha()) / 255.0 +
                     std::abs(p.Green() * p.Alpha() - q.Green() * q.Alpha()) / 255.0 +
                     std::abs(p.Blue() * p.Alpha() - q.Blue() * q.Alpha()) / 255.0;
        }
    return total / (3.0 * a.GetWidth() * a.GetHeight());
}

bool SameColumns(const wxImage& image, int first, int second)
{
    for (int y = 0; y < image.GetHeight(); ++y)
        if (PixelAt(image, first, y) != PixelAt(image, second, y))
            return false;
    return true;
}

} // namespace

TEST(ThemeArchive, HoldsEveryImageTheProgramLoadsAtItsSize)
{
    for (const ThemeImage& image : kThemeImages) {
        SCOPED_TRACE(image.name);
        const wxBitmap bitmap = GetThemeBitmap(image.name);
        ASSERT_TRUE(bitmap.IsOk());
        EXPECT_EQ(bitmap.GetSize(), wxSize(image.width, image.height));
    }
}

TEST(ThemeArchive, ButtonStatesDifferVisibly)
{
    const std::vector<std::string> buttons = {"image/title/close", "image/title/minimize",
                                              "image/title/maximize", "image/title/restore",
                                              "image/tool/list_view", "image/tool/filter_view"};
    for (const std::string& button : buttons) {
        SCOPED_TRACE(button);
        const wxImage normal = Load(button + "_normal.png");
        const wxImage hover = Load(button + "_hover.png");
        const wxImage pressed = Load(button + "_pressed.png");
        EXPECT_GT(MeanDifference(normal, hover), 12.0);
        EXPECT_GT(MeanDifference(hover, pressed), 6.0);
        EXPECT_GT(MeanDifference(normal, pressed), 12.0);
    }
    const wxImage exportNormal = Load("image/tool/export-normal.png");
    EXPECT_GT(MeanDifference(exportNormal, Load("image/tool/export-current.png")), 6.0);
    EXPECT_GT(MeanDifference(exportNormal, Load("image/tool/export-pressed.png")), 6.0);
}

TEST(ThemeArchive, ExportButtonSlicesFitTheCropKey)
{
    const FaceOption crop = FindFaceOption("/face/base-button/export-button-crop");
    ASSERT_GT(crop.x, 0);
    ASSERT_GT(crop.width, 0);
    for (const char* state : {"normal", "current", "pressed"}) {
        SCOPED_TRACE(state);
        const wxImage image = Load(wxString("image/tool/export-") + state + ".png");
        ASSERT_GT(image.GetWidth(), crop.x + crop.width);
        // The middle piece repeats under the label: its columns are alike, and
        // alike the last column of the left end and the first of the right end.
        for (int x = crop.x - 1; x <= crop.x + crop.width; ++x)
            EXPECT_TRUE(SameColumns(image, crop.x, x)) << "column " << x;
        // The label starts at the left end's edge, textY down, inside the face.
        EXPECT_GE(crop.y, 0);
        EXPECT_LT(crop.y, image.GetHeight() / 2);
    }
}

TEST(ThemeArchive, BubbleCentresRepeatWithoutASeamAndMeetTheirEnds)
{
    for (const char* side : {"incoming", "outgoing"}) {
        SCOPED_TRACE(side);
        const wxString folder = wxString("image/content/message/") + side;
        const wxImage top = Load(folder + "_top.png");
        const wxImage center = Load(folder + "_center.png");
        const wxImage bottom = Load(folder + "_bottom.png");
        for (int y = 1; y < center.GetHeight(); ++y)
            for (int x = 0; x < center.GetWidth(); ++x)
                ASSERT_EQ(PixelAt(center, x, y), PixelAt(center, x, 0)) << "at " << x << "," << y;
        // The outline columns run on from piece to piece.
        for (int x = 0; x < center.GetWidth(); ++x) {
            const bool opaque = center.GetAlpha(x, 0) > 0;
            EXPECT_EQ(top.GetAlpha(x, top.GetHeight() - 1) > 0, opaque) << "column " << x;
            EXPECT_EQ(bottom.GetAlpha(x, 0) > 0, opaque) << "column " << x;
        }
    }
}

TEST(ThemeArchive, BandsJoinWithoutASeam)
{
    // The menu bar sits centred in the 42-pixel tool bar on the same band.
    const wxImage tool = Load("image/tool/tool_bg.png");
    const wxImage menu = Load("image/tool/menu_bar_bg.png");
    const int offset = (tool.GetHeight() - menu.GetHeight()) / 2;
    for (int y = 0; y < menu.GetHeight(); ++y)
        EXPECT_EQ(PixelAt(menu, 0, y), PixelAt(tool, 0, y + offset)) << "row " << y;

    // The edge pieces beside a band are the band.
    const struct { const char* band; const char* edge; } pairs[] = {
        {"image/title/title_bg.png", "image/border/title_border_bg.png"},
        {"image/tool/tool_bg.png", "image/border/tool_border_bg.png"},
        {"image/status/status_bg.png", "image/border/border_bg.png"},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.edge);
        const wxImage band = Load(pair.band);
        const wxImage edge = Load(pair.edge);
        for (int y = 0; y < edge.GetHeight(); ++y)
            EXPECT_EQ(PixelAt(edge, 0, y), PixelAt(band, 0, y)) << "row " << y;
    }
    // The top edge ends in the title band's first colour.
    const wxImage top = Load("image/border/top_border_bg.png");
    EXPECT_EQ(PixelAt(top, 0, top.GetHeight() - 1), PixelAt(Load("image/title/title_bg.png"), 0, 0));
}

TEST(ThemeArchive, StorageColoursAreDistinctAndSamplesMatchTheirPatterns)
{
    const char* kinds[] = {"audio", "video", "photo", "others", "available"};
    std::vector<wxColour> colours;
    for (const char* kind : kinds) {
        SCOPED_TRACE(kind);
        const wxString folder = "image/client/device-info/";
        const wxImage pattern = Load(folder + "percentage_" + kind + ".png");
        const wxImage sample = Load(folder + "sample_" + kind + ".png");
        // Patterns tile sideways: every column is the same.
        for (int x = 1; x < pattern.GetWidth(); ++x)
            EXPECT_TRUE(SameColumns(pattern, 0, x));
        const wxColour middle = PixelAt(pattern, 0, pattern.GetHeight() / 2);
        const wxColour sampleMiddle = PixelAt(sample, 7, 7);
        EXPECT_LT(std::abs(middle.Red() - sampleMiddle.Red()) + std::abs(middle.Green() - sampleMiddle.Green()) +
                      std::abs(middle.Blue() - sampleMiddle.Blue()),
                  60);
        colours.push_back(middle);
    }
    for (size_t i = 0; i < colours.size(); ++i)
        for (size_t j = i + 1; j < colours.size(); ++j) {
            const int distance = std::abs(colours[i].Red() - colours[j].Red()) +
                                 std::abs(colours[i].Green() - colours[j].Green()) +
                                 std::abs(colours[i].Blue() - colours[j].Blue());
            EXPECT_GT(distance, 120) << kinds[i] << " and " << kinds[j];
        }
}
