// The message window's arithmetic without a window: lines, bubble places,
// heights, the kept scroll position and the rows of the centre picture.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/bitmap.h>

#include "window/client/message_layout.h"

namespace {

// Every character 10 pixels wide (a space too), every line 16 high.
wxSize FixedWidth(const wxString& line)
{
    return wxSize(10 * static_cast<int>(line.length()), 16);
}

// A proportional font: 'i' and 'l' narrow, 'W' and 'M' wide, the rest 7.
int Proportional(const wxString& line)
{
    int width = 0;
    for (wxUniChar c : line)
        width += (c == 'i' || c == 'l') ? 3 : (c == 'W' || c == 'M') ? 12 : 7;
    return width;
}

const BubbleParts kIncoming{24, 16};
const BubbleParts kOutgoing{24, 16};

// Messages that live as long as the test, linked in order.
class Conversation {
public:
    Conversation& Add(const char* text, int sent, const char* dateTime = "2024-03-10 08:00:00")
    {
        messages_.push_back({text, dateTime, sent, nullptr});
        return *this;
    }
    const HandoverConversation* Get()
    {
        for (size_t k = 0; k + 1 < messages_.size(); ++k)
            messages_[k].next = &messages_[k + 1];
        conversation_.messages = messages_.empty() ? nullptr : messages_.data();
        return &conversation_;
    }

private:
    std::vector<HandoverMessage> messages_;
    HandoverConversation conversation_{"+1 415 555 0102", "Alice", nullptr, nullptr};
};

ConversationLayout LayOut(const HandoverConversation* conversation)
{
    return LayOutConversation(conversation, kIncoming, kOutgoing, FixedWidth);
}

std::vector<wxString> Lines(std::initializer_list<const char*> texts)
{
    std::vector<wxString> lines;
    for (const char* text : texts)
        lines.push_back(wxString::FromUTF8(text));
    return lines;
}

} // namespace

TEST(MessageLayout, ReceivedAndSentBubblesAlternateSidesOneBelowTheOther)
{
    Conversation conversation;
    conversation.Add("Hi!", 0).Add("Hey Alice", 1).Add("Lunch tomorrow?", 0);
    const ConversationLayout layout = LayOut(conversation.Get());
    ASSERT_EQ(layout.bubbles.size(), 3u);

    const int expectedX[] = {2, 120, 2};
    const int expectedInset[] = {22, 10, 22};
    int expectedY = 20;
    for (size_t k = 0; k < 3; ++k) {
        const MessageBubble& bubble = *layout.bubbles[k];
        SCOPED_TRACE(k);
        EXPECT_EQ(bubble.x, expectedX[k]);
        EXPECT_EQ(bubble.textInset, expectedInset[k]);
        EXPECT_EQ(bubble.sent, k == 1 ? 1 : 0);
        EXPECT_EQ(bubble.y, expectedY);
        EXPECT_EQ(bubble.centerY, bubble.y + 24);
        EXPECT_EQ(bubble.centerHeight, 10 + 1 * (16 + 6));
        EXPECT_EQ(bubble.bottomY, bubble.centerY + bubble.centerHeight);
        EXPECT_EQ(bubble.header, "2024-03-10 08:00:00");
        expectedY = bubble.bottomY + 16 + 20;
    }
    // Each bubble adds its gap and its three parts; 100 more below.
    EXPECT_EQ(layout.virtualHeight, 3 * (20 + 24 + 32 + 16) + 100);
    EXPECT_EQ(layout.virtualHeight, expectedY - 20 + 100);
}

TEST(MessageLayout, MiddlePartGrowsByLineHeightAndGapPerLine)
{
    Conversation conversation;
    conversation.Add("Got it.\nAnything else?", 1);
    const ConversationLayout layout = LayOut(conversation.Get());
    ASSERT_EQ(layout.bubbles.size(), 1u);
    const MessageBubble& bubble = *layout.bubbles[0];
    EXPECT_EQ(bubble.lines, Lines({"Got it.", "Anything else?"}));
    EXPECT_EQ(bubble.lineHeight, 16);
    EXPECT_EQ(bubble.centerHeight, 54);  // 10 + 2 × (16 + 6)
    EXPECT_EQ(bubble.LineY(0), bubble.centerY + 10);
    EXPECT_EQ(bubble.LineY(1), bubble.centerY + 10 + 22);
}

TEST(MessageLayout, TallestLineSetsTheLineHeight)
{
    Conversation conversation;
    conversation.Add("plain\nTALL", 0);
    const auto tallCapitals = [](const wxString& line) {
        return wxSize(7 * static_cast<int>(line.length()), line == "TALL" ? 21 : 16);
    };
    const ConversationLayout layout = LayOutConversation(conversation.Get(), kIncoming, kOutgoing, tallCapitals);
    ASSERT_EQ(layout.bubbles.size(), 1u);
    EXPECT_EQ(layout.bubbles[0]->lineHeight, 21);
    EXPECT_EQ(layout.bubbles[0]->centerHeight, 10 + 2 * 27);
}

TEST(MessageLayout, NullTextsStillGiveABubbleOfOneEmptyLine)
{
    Conversation conversation;
    conversation.Add(nullptr, 0, nullptr).Add("", 1, "");
    const ConversationLayout layout = LayOut(conversation.Get());
    ASSERT_EQ(layout.bubbles.size(), 2u);
    for (const auto& bubble : layout.bubbles) {
        EXPECT_EQ(bubble->header, "");
        EXPECT_EQ(bubble->lines, Lines({""}));
        EXPECT_EQ(bubble->lineHeight, 16);  // a space's height: one line's room
        EXPECT_EQ(bubble->centerHeight, 32);
    }
    EXPECT_EQ(layout.bubbles[1]->x, 120);
}

TEST(MessageLayout, NoMessagesGiveNoBubblesAndVirtualHeight100)
{
    Conversation empty;
    for (const HandoverConversation* conversation : {empty.Get(), static_cast<const HandoverConversation*>(nullptr)}) {
        const ConversationLayout layout = LayOut(conversation);
        EXPECT_TRUE(layout.bubbles.empty());
        EXPECT_EQ(layout.virtualHeight, 100);
    }
}

TEST(MessageLayout, BubblesPointAtTheirSidesPictures)
{
    const wxBitmap pictures[6];  // only their places count
    const wxBitmap* fake = pictures;
    BubbleParts incoming{30, 12, fake, fake + 1, fake + 2};
    BubbleParts outgoing{20, 8, fake + 3, fake + 4, fake + 5};
    Conversation conversation;
    conversation.Add("in", 0).Add("out", 7);
    const ConversationLayout layout = LayOutConversation(conversation.Get(), incoming, outgoing, FixedWidth);
    ASSERT_EQ(layout.bubbles.size(), 2u);
    const MessageBubble& in = *layout.bubbles[0];
    const MessageBubble& out = *layout.bubbles[1];
    EXPECT_EQ(in.top, fake);
    EXPECT_EQ(in.bottom, fake + 2);
    EXPECT_EQ(in.centerY, 20 + 30);
    EXPECT_EQ(out.sent, 7);
    EXPECT_EQ(out.x, 120);
    EXPECT_EQ(out.center, fake + 4);
    EXPECT_EQ(out.y, in.bottomY + 12 + 20);
    EXPECT_EQ(out.centerY, out.y + 20);
    EXPECT_EQ(layout.virtualHeight, (20 + 30 + 32 + 12) + (20 + 20 + 32 + 8) + 100);
}

struct BreakCase {
    const char* text;
    std::vector<wxString> lines;
};

void PrintTo(const BreakCase& c, std::ostream* out)
{
    *out << '"' << c.text << '"';
}

class BreakMessageLinesTest : public testing::TestWithParam<BreakCase> {};

// Width 50: five characters of the fixed-width measure.
TEST_P(BreakMessageLinesTest, BreaksAtLineEndsWordsAndInsideTooWideWords)
{
    EXPECT_EQ(BreakMessageLines(wxString::FromUTF8(GetParam().text), 50, FixedWidth), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BreakMessageLinesTest,
    testing::Values(BreakCase{"", Lines({""})}, BreakCase{"abc", Lines({"abc"})},
                    BreakCase{"abcde", Lines({"abcde"})},
                    BreakCase{"a\nb", Lines({"a", "b"})}, BreakCase{"a\r\nb", Lines({"a", "b"})},
                    BreakCase{"a\rb", Lines({"a", "b"})}, BreakCase{"a\n", Lines({"a", ""})},
                    BreakCase{"\n\n", Lines({"", "", ""})}, BreakCase{"a\n\r\nb", Lines({"a", "", "b"})},
                    BreakCase{"aaa bbb ccc", Lines({"aaa ", "bbb ", "ccc"})},
                    BreakCase{"aa bb cc", Lines({"aa bb ", "cc"})},
                    BreakCase{"abcde     x", Lines({"abcde     ", "x"})},
                    BreakCase{"ab\tcd ef", Lines({"ab\tcd ", "ef"})},
                    BreakCase{"  ab cd", Lines({"  ab ", "cd"})},
                    BreakCase{"abcdefghijkl", Lines({"abcde", "fghij", "kl"})},
                    BreakCase{"ab abcdefghij x", Lines({"ab ", "abcde", "fghij ", "x"})},
                    BreakCase{"你好！明天的会议改到下午三点。", Lines({"你好！明天", "的会议改到", "下午三点。"})},
                    BreakCase{"<script>alert('hi')</script>",
                              Lines({"<scri", "pt>al", "ert('", "hi')<", "/scri", "pt>"})}));

TEST(MessageLines, LinesFitAndGiveTheTextBack)
{
    const wxString story =
        "So here is the whole story. We left the harbour at six, the ferry was late again, and by the time we "
        "reached the island the cafe had already closed. Willi's MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM iiiiii "
        "lllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllll. Best Saturday in a long time.";
    const auto measure = [](const wxString& line) { return wxSize(Proportional(line), 15); };
    const std::vector<wxString> lines = BreakMessageLines(story, kMessageWrapWidth, measure);
    ASSERT_GT(lines.size(), 5u);
    wxString joined;
    for (const wxString& line : lines) {
        wxString shown = line;
        shown.Trim(true);  // spaces hang past the edge, as in a text box
        EXPECT_LE(Proportional(shown), kMessageWrapWidth) << line;
        EXPECT_FALSE(line.empty());
        joined += line;
    }
    EXPECT_EQ(joined, story);
    // Greedy: the next line's first word would not have fitted.
    for (size_t k = 0; k + 1 < lines.size(); ++k) {
        const wxString next = lines[k + 1].BeforeFirst(' ');
        if (lines[k].EndsWith(" ")) {
            EXPECT_GT(Proportional(lines[k] + next), kMessageWrapWidth) << lines[k];
        }
    }
}

TEST(MessageLines, AHugeTextIsCutAndNeverMeasuredWhole)
{
    const wxString word(wxUniChar('x'), 2000000);
    size_t calls = 0;
    size_t longest = 0;
    const auto counting = [&](const wxString& line) {
        ++calls;
        longest = std::max(longest, line.length());
        return wxSize(10 * static_cast<int>(line.length()), 16);
    };
    const std::vector<wxString> lines = BreakMessageLines(word + " " + word, 50, counting);
    EXPECT_EQ(lines.size(), 10000u);
    EXPECT_EQ(lines.front(), "xxxxx");
    EXPECT_LE(longest, 4096u);
    EXPECT_LT(calls, 10000u * 8);

    Conversation conversation;
    const std::string text(3000000, 'y');
    conversation.Add(text.c_str(), 0);
    const ConversationLayout layout = LayOut(conversation.Get());
    ASSERT_EQ(layout.bubbles.size(), 1u);
    EXPECT_EQ(layout.bubbles[0]->centerHeight, 10 + 10000 * 22);
    EXPECT_EQ(layout.virtualHeight, 20 + 24 + 10 + 10000 * 22 + 16 + 100);
}

TEST(MessageLayout, ScrollPositionIsKeptWithinTheNewHeight)
{
    struct Case {
        int position, virtualHeight, clientHeight, kept;
    };
    const Case cases[] = {
        {300, 1000, 200, 300},  // still fits
        {800, 1000, 200, 800},  // at the very bottom
        {900, 1000, 200, 800},  // past it: the lowest position
        {50, 100, 200, 0},      // the whole height shows
        {0, 5000, 200, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeptScrollPosition(c.position, c.virtualHeight, c.clientHeight), c.kept)
            << c.position << " " << c.virtualHeight << " " << c.clientHeight;
}

TEST(MessageLayout, CentrePictureRepeatsThenItsTopRowsFinish)
{
    const std::vector<CenterTile> tiles = CenterTiles(54, 8);
    ASSERT_EQ(tiles.size(), 7u);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(tiles[k].offset, 8 * k);
        EXPECT_EQ(tiles[k].rows, 8);
    }
    EXPECT_EQ(tiles[6].offset, 48);
    EXPECT_EQ(tiles[6].rows, 6);

    EXPECT_EQ(CenterTiles(16, 8).size(), 2u);
    EXPECT_EQ(CenterTiles(5, 8).front().rows, 5);
    EXPECT_TRUE(CenterTiles(0, 8).empty());
    EXPECT_TRUE(CenterTiles(32, 0).empty());
}
