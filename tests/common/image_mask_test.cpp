// Mask to alpha works on images alone and needs no display.
#include <gtest/gtest.h>

#include "common/image_util.h"

namespace {

// 4 x 2: the mask colour (255, 0, 255) at (1, 0) and (3, 1); (0, 1) differs
// from it in blue only, so it must stay opaque.
wxImage MaskedFixture()
{
    wxImage image(4, 2);
    image.SetRGB(wxRect(0, 0, 4, 2), 10, 20, 30);
    image.SetRGB(1, 0, 255, 0, 255);
    image.SetRGB(3, 1, 255, 0, 255);
    image.SetRGB(0, 1, 255, 0, 254);
    image.SetMaskColour(255, 0, 255);
    return image;
}

} // namespace

TEST(ConvertMaskToAlpha, MaskColouredPixelsBecomeTransparentAndTheMaskGoes)
{
    wxImage image = MaskedFixture();
    ConvertMaskToAlpha(image);

    ASSERT_TRUE(image.HasAlpha());
    EXPECT_FALSE(image.HasMask());
    const unsigned char expected[2][4] = {{255, 0, 255, 255}, {255, 255, 255, 0}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(image.GetAlpha(x, y), expected[y][x]) << "at " << x << "," << y;
    // Colours are left as they were.
    EXPECT_EQ(image.GetRed(1, 0), 255);
    EXPECT_EQ(image.GetBlue(0, 1), 254);
}

TEST(ConvertMaskToAlphaDeathTest, StopsOnAnImageWithoutMaskOrWithAlpha)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    wxImage unmasked(2, 2);
    EXPECT_DEATH(ConvertMaskToAlpha(unmasked), "image.HasMask\\(\\)");

    wxImage both = MaskedFixture();
    both.SetAlpha();
    both.SetMaskColour(255, 0, 255);
    EXPECT_DEATH(ConvertMaskToAlpha(both), "!image.HasAlpha\\(\\)");
}
