#include <cstdlib>
#include <cwchar>
#include <gtest/gtest.h>

#include "app/text_format.h"

TEST(FormatSize, PicksUnitAndRoundsAsPrintfDoes)
{
    const struct { std::uint64_t bytes; const char* text; } cases[] = {
        {0, "0KB"},
        {1, "0.00KB"},
        {500, "0.49KB"},
        {1536, "1.50KB"},
        {1048575, "1024.00KB"},
        {1048576, "1.00MB"},
        {1073741823, "1024.00MB"},
        {1073741824, "1.00GB"},
        {5ULL << 30, "5.00GB"},
        {~0ULL, "17179869184.00GB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSize(c.bytes), c.text) << c.bytes;
}

TEST(FormatDuration, HoursMinutesSecondsWithoutPadding)
{
    const struct { std::uint64_t ms; const char* text; } cases[] = {
        {0, "0:0:0"},
        {999, "0:0:0"},
        {59999, "0:0:59"},
        {(3600 + 120 + 5) * 1000ULL, "1:2:5"},
        {36000000ULL, "10:0:0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDuration(c.ms), c.text) << c.ms;
}

TEST(MakeValidFileName, ReplacesTheNineReservedCharactersOnly)
{
    const struct { const char* in; const char* out; } cases[] = {
        {"a/b:c?.mp3", "a_b_c_.mp3"},
        {"\\/:*?\"<>|", "_________"},
        {"plain name.txt", "plain name.txt"},
        {"", ""},
        {"\xe6\x97\xa5\xe6\x9c\xac/\xe8\xaa\x9e", "\xe6\x97\xa5\xe6\x9c\xac_\xe8\xaa\x9e"},
    };
    for (const auto& c : cases) {
        wxString text = wxString::FromUTF8(c.in);
        const size_t length = text.length();
        MakeValidFileName(text);
        EXPECT_EQ(text, wxString::FromUTF8(c.out)) << c.in;
        EXPECT_EQ(text.length(), length);
    }
}

TEST(JoinPath, InsertsExactlyOneSeparator)
{
    EXPECT_EQ(JoinPath("/tmp/out/", "a.mp3"), "/tmp/out/a.mp3");
    EXPECT_EQ(JoinPath("C:\\out\\", "a.mp3"), "C:\\out\\a.mp3");
    EXPECT_EQ(JoinPath("/tmp/out", "a.mp3"), "/tmp/out/a.mp3");
}

TEST(Utf8Conversion, NullEmptyAndInvalidInput)
{
    EXPECT_EQ(Utf8ToString(nullptr), "");
    EXPECT_EQ(Utf8ToString(""), "");
    EXPECT_EQ(Utf8ToString("Caf\xc3\xa9"), wxString(L"Caf\u00e9"));

    struct Freed { void operator()(wchar_t* p) const { std::free(p); } };
    std::unique_ptr<wchar_t, Freed> fromNull(Utf8ToWide(nullptr));
    ASSERT_TRUE(fromNull);
    EXPECT_STREQ(fromNull.get(), L"");
    std::unique_ptr<wchar_t, Freed> invalid(Utf8ToWide("\xff\xfe bad"));
    ASSERT_TRUE(invalid);
    EXPECT_STREQ(invalid.get(), L"");
    std::unique_ptr<wchar_t, Freed> good(Utf8ToWide("\xe6\x97\xa5"));
    EXPECT_STREQ(good.get(), L"\u65e5");
}
