#include <gtest/gtest.h>

#include "app/face_options.h"
#include "support/temp_home.h"

namespace {

class FaceOptionsTest : public testing::Test {
protected:
    void SetUp() override { ClearFaceOptions(); }
    void TearDown() override { ClearFaceOptions(); }

    std::string WriteFace(const std::string& xml)
    {
        const std::string path = MakeTempFolder("face") + "/face.xml";
        WriteTextFile(path, xml);
        return path;
    }
};

} // namespace

TEST_F(FaceOptionsTest, AttributesMapToFieldsByNameAndNestedPathsFormKeys)
{
    const std::string path = WriteFace(
        "<face>\n"
        "  <a x=\"10\" y=\"20\" width=\"30\" height=\"40\"/>\n"
        "  <b x=\"10\" y=\"20\" width=\"30\" h=\"40\"/>\n"
        "  <group>\n"
        "    <inner x=\" -7px\" y=\"abc\"/>\n"
        "    <twice x=\"1\" x=\"2\" w=\"3\" z=\"4\"/>\n"
        "  </group>\n"
        "</face>\n");
    ASSERT_EQ(LoadFaceOptions(wxString::FromUTF8(path)), 0);

    for (const char* key : {"/face/a", "/face/b"}) {
        const FaceOption o = FindFaceOption(key);
        EXPECT_EQ(o.x, 10) << key;
        EXPECT_EQ(o.y, 20) << key;
        EXPECT_EQ(o.width, 30) << key;
        EXPECT_EQ(o.height, 40) << key;
    }
    const FaceOption inner = FindFaceOption("/face/group/inner");
    EXPECT_EQ(inner.x, -7);
    EXPECT_EQ(inner.y, 0);
    EXPECT_FALSE(HasFaceOption("/face/group"));  // no attributes, no entry
    EXPECT_FALSE(HasFaceOption("/face"));
    // Duplicate attributes are an XML error: the document stops there, the
    // entries read before stay.
    EXPECT_TRUE(HasFaceOption("/face/group/inner"));
}

TEST_F(FaceOptionsTest, ColoursWrapModulo256AndAreOpaque)
{
    const std::string path = WriteFace(
        "<face><c1 x=\"255\" y=\"0\" width=\"128\"/><c2 x=\"256\" y=\"1\" width=\"2\"/></face>");
    ASSERT_EQ(LoadFaceOptions(wxString::FromUTF8(path)), 0);
    EXPECT_EQ(FindFaceColour("/face/c1"), wxColour(255, 0, 128, 255));
    EXPECT_EQ(FindFaceColour("/face/c2"), wxColour(0, 1, 2, 255));
}

TEST_F(FaceOptionsTest, SyntaxErrorReportsLineAndKeepsEarlierEntries)
{
    const std::string path = WriteFace(
        "<face>\n<a x=\"1\"/>\n\n\n\n\n<b x=\"2\" <broken/>\n</face>\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadFaceOptions(wxString::FromUTF8(path)), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "not well-formed (invalid token) at line 7 ->" + path + "\n");
    EXPECT_EQ(FindFaceOption("/face/a").x, 1);
    EXPECT_FALSE(HasFaceOption("/face/b"));
}

TEST_F(FaceOptionsTest, MissingFileAndAbsentKey)
{
    EXPECT_EQ(LoadFaceOptions("/nonexistent/face.xml"), -1);
    const FaceOption none = FindFaceOption("/face/none");
    EXPECT_EQ(none.x + none.y + none.width + none.height, 0);
}

TEST_F(FaceOptionsTest, ShippedThemeHoldsEveryKeyTheWidgetsRead)
{
    ASSERT_EQ(LoadFaceOptions(HANDOVER_STAGE_DIR "/Themes/face.xml"), 0);
    for (const char* key : {"/face/titlebar/titletext-colour", "/face/menu/text-normal-colour",
                            "/face/menu/text-current-colour", "/face/base-button/export-button-crop",
                            "/face/base-button/export-button-crop/textcolour",
                            "/face/base-button/export-button-crop/font"})
        EXPECT_TRUE(HasFaceOption(key)) << key;
    EXPECT_GT(FindFaceOption("/face/base-button/export-button-crop/font").height, 0);
}
