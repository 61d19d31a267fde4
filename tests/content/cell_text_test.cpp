#include <gtest/gtest.h>

#include "content/cell_text.h"

TEST(CellText, ShowsEveryTextOnOneLine)
{
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"Groceries", "Groceries"},
        {"", ""},
        {"Agenda:\n1. Budget\n\nNext", "Agenda: 1. Budget Next"},
        {"a\r\nb", "a b"},
        {"tab\there", "tab here"},
        {"\nleading and trailing\n", " leading and trailing "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellText(wxString::FromUTF8(c.text)), wxString::FromUTF8(c.shown)) << c.text;
    EXPECT_EQ(CellText(wxString::FromUTF8("東京\n京都")), wxString::FromUTF8("東京 京都"));
}
