#include <memory>

#include <gtest/gtest.h>
#include <wx/wfstream.h>
#include <wx/zipstrm.h>

#include "app/product_paths.h"
#include "common/image_util.h"
#include "common/image_fixtures.h"
#include "support/gui_test.h"
#include "support/temp_home.h"

namespace {

// Every pixel of `actual` equals `expected` at the same place, alpha included.
void ExpectSamePixels(const wxImage& actual, const wxImage& expected)
{
    ASSERT_EQ(actual.GetSize(), expected.GetSize());
    int mismatches = 0;
    for (int y = 0; y < expected.GetHeight(); ++y)
        for (int x = 0; x < expected.GetWidth(); ++x)
            if (PixelAt(actual, x, y) != PixelAt(expected, x, y) && ++mismatches <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y << ": "
                              << PixelAt(actual, x, y).GetAsString(wxC2S_CSS_SYNTAX) << " instead of "
                              << PixelAt(expected, x, y).GetAsString(wxC2S_CSS_SYNTAX);
}

} // namespace

TEST(TileBitmap, TenByTenTileOverTwentyFiveByTwelveRepeatsAndCutsTheLastTiles)
{
    const wxImage tile = GradientImage(10, 10);
    wxBitmap target(SolidImage(25, 12, *wxBLACK));

    ASSERT_TRUE(TileBitmap(wxBitmap(tile), target));

    // Columns at x = 0, 10, 20 (the last 5 wide), rows at y = 0 and 10 (2 high):
    // every pixel is the tile's pixel at the same place inside its copy.
    const wxImage result = target.ConvertToImage();
    ASSERT_EQ(result.GetSize(), wxSize(25, 12));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 25; ++x)
            ASSERT_EQ(PixelAt(result, x, y), PixelAt(tile, x % 10, y % 10)) << "at " << x << "," << y;
}

TEST(TileBitmap, RefusesAnEmptyTileAndLeavesTheTarget)
{
    wxBitmap target(SolidImage(4, 4, *wxRED));
    EXPECT_FALSE(TileBitmap(wxNullBitmap, target));
    EXPECT_EQ(PixelAt(target.ConvertToImage(), 2, 2), *wxRED);
}

TEST(CropBitmapStrip, WholeWidthIsAnExactCopyIncludingAlpha)
{
    const wxImage source = GradientImageWithAlpha(7, 5);
    const wxBitmap strip = CropBitmapStrip(wxBitmap(source), 0, 7);
    ASSERT_TRUE(strip.IsOk());
    ExpectSamePixels(strip.ConvertToImage(), source);
}

TEST(CropBitmapStrip, StripsHoldTheirColumnsAtFullHeight)
{
    const wxImage source = GradientImage(12, 6);
    const wxBitmap middle = CropBitmapStrip(wxBitmap(source), 4, 3);
    ExpectSamePixels(middle.ConvertToImage(), source.GetSubImage(wxRect(4, 0, 3, 6)));

    // A strip reaching past the right edge is transparent there.
    const wxImage past = CropBitmapStrip(wxBitmap(source), 10, 4).ConvertToImage();
    ASSERT_EQ(past.GetSize(), wxSize(4, 6));
    EXPECT_EQ(PixelAt(past, 1, 3), PixelAt(source, 11, 3));
    EXPECT_EQ(past.GetAlpha(2, 3), 0);

    EXPECT_FALSE(CropBitmapStrip(wxBitmap(source), 3, 0).IsOk());
}

TEST(CopyBitmapRect, CopiesTheRectangleAndOwnsTheResult)
{
    const wxImage source = GradientImageWithAlpha(9, 8);
    const std::unique_ptr<wxBitmap> copy(CopyBitmapRect(wxBitmap(source), 2, 3, 5, 4));
    ASSERT_NE(copy, nullptr);
    ExpectSamePixels(copy->ConvertToImage(), source.GetSubImage(wxRect(2, 3, 5, 4)));

    EXPECT_EQ(CopyBitmapRect(wxBitmap(source), 0, 0, 0, 4), nullptr);
    EXPECT_EQ(CopyBitmapRect(wxNullBitmap, 0, 0, 2, 2), nullptr);
}

TEST(CopyBitmapRect, PartOutsideTheSourceIsTransparent)
{
    const wxImage source = GradientImage(6, 6);
    const std::unique_ptr<wxBitmap> copy(CopyBitmapRect(wxBitmap(source), 4, 4, 4, 4));
    ASSERT_NE(copy, nullptr);
    const wxImage result = copy->ConvertToImage();
    EXPECT_EQ(PixelAt(result, 1, 1), PixelAt(source, 5, 5));
    EXPECT_EQ(result.GetAlpha(2, 0), 0);
    EXPECT_EQ(result.GetAlpha(0, 3), 0);
}

TEST(EnsureAlphaBitmap, MaskColourBecomesAlphaZeroAndAlphaImagesStayAsTheyAre)
{
    wxImage masked = GradientImage(5, 3);
    masked.SetRGB(2, 1, 0, 255, 0);
    masked.SetRGB(4, 0, 0, 255, 0);
    masked.SetMaskColour(0, 255, 0);
    const wxImage converted = EnsureAlphaBitmap(wxBitmap(masked)).ConvertToImage();
    ASSERT_TRUE(converted.HasAlpha());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool maskPixel = (x == 2 && y == 1) || (x == 4 && y == 0);
            EXPECT_EQ(converted.GetAlpha(x, y), maskPixel ? 0 : 255) << "at " << x << "," << y;
        }

    const wxImage withAlpha = GradientImageWithAlpha(5, 3);
    ExpectSamePixels(EnsureAlphaBitmap(wxBitmap(withAlpha)).ConvertToImage(), withAlpha);

    const wxImage plain = GradientImage(3, 3);
    const wxImage unchanged = EnsureAlphaBitmap(wxBitmap(plain)).ConvertToImage();
    EXPECT_FALSE(unchanged.HasMask());
    ExpectSamePixels(unchanged, plain);
}

TEST(TiledPiece, FollowsTheTilingOfThePlaneAlsoLeftOfItsOrigin)
{
    const wxImage tile = GradientImage(4, 3);
    const wxImage piece = TiledPiece(wxBitmap(tile), wxRect(-2, 5, 7, 4)).ConvertToImage();
    ASSERT_EQ(piece.GetSize(), wxSize(7, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(PixelAt(piece, x, y), PixelAt(tile, ((x - 2) % 4 + 4) % 4, (y + 5) % 3))
                << "at " << x << "," << y;
}

TEST(ThemeBitmap, LoadsByNameFromTheArchive)
{
    const wxBitmap close = GetThemeBitmap("image/title/close_normal.png");
    ASSERT_TRUE(close.IsOk());
    EXPECT_EQ(close.GetSize(), wxSize(28, 18));

    const std::unique_ptr<wxBitmap> icon(LoadThemeBitmap("application/application.png"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->GetSize(), wxSize(128, 128));
}

TEST(ThemeBitmap, NamesThatAreNotInTheArchiveGiveTheFailureResult)
{
    for (const char* name : {"image/title/Close_Normal.png", "title/close_normal.png",
                             "image/title/close_normal", "image/title/nothing.png", "", "image/title"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(GetThemeBitmap(name).IsOk());
        EXPECT_EQ(LoadThemeBitmap(name), nullptr);
    }
}

TEST(ThemeBitmap, AMissingOrBrokenArchiveGivesTheFailureResult)
{
    const wxString staged = GetExecutablePath();
    const std::string install = MakeTempFolder("install");
    SetExecutablePath(wxString::FromUTF8(install + "/bin/program"));
    EXPECT_FALSE(GetThemeBitmap("image/title/close_normal.png").IsOk());

    WriteTextFile(install + "/Themes/default.zip", "not a zip archive");
    EXPECT_FALSE(GetThemeBitmap("image/title/close_normal.png").IsOk());

    {
        wxFFileOutputStream file(wxString::FromUTF8(install + "/Themes/default.zip"));
        wxZipOutputStream zip(file);
        zip.PutNextEntry("image/title/close_normal.png");
        zip.Write("\x89PNG but then nothing", 22);
    }
    EXPECT_FALSE(GetThemeBitmap("image/title/close_normal.png").IsOk());
    SetExecutablePath(staged);
}
