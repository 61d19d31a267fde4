// The message window on the demo iPhone's conversations: its bubbles with the
// real font and pictures, what it paints, and the scroll position it keeps.
#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>
#include <wx/thread.h>

#include "app/product_paths.h"
#include "common/image_fixtures.h"
#include "common/image_util.h"
#include "device/detection.h"
#include "device/device_table.h"
#include "support/gui_test.h"
#include "support/temp_home.h"
#include "window/client/tw_kind_message_window.h"

namespace {

// The demo iPhone's conversations, found once per test binary.
const HandoverConversation* DemoConversation(const char* phoneNumber)
{
    static const bool detected = [] {
        setenv("HANDOVER_DEVICES", HANDOVER_STAGE_DIR "/demo-devices/iphone", 1);
        RunDetection(nullptr);
        return true;
    }();
    (void)detected;
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    if (deviceTable.deviceCount < 1)
        return nullptr;
    for (const HandoverConversation* c = deviceTable.slots[0].messages; c != nullptr; c = c->next)
        if (wxString::FromUTF8(c->phoneNumber) == phoneNumber)
            return c;
    return nullptr;
}

const char kScriptConversation[] = "+353 85 555 0113";  // <script>, "", an emoji
const char kLongConversation[] = "+86 138 5550 0105";   // Chinese and a very long text

wxString JoinedLines(const MessageBubble& bubble)
{
    wxString joined;
    for (const wxString& line : bubble.lines)
        joined += line;
    return joined;
}

class MessageWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = new TwKindMessageWindow(frame.Parent(), wxPoint(0, 0), wxSize(400, 300));
        ASSERT_TRUE(frame.ShowAndWait());
    }

    // The picture of the window's own theme, as it lies on white.
    static wxColour ImagePixel(const char* name, int x, int y)
    {
        return PixelAt(GetThemeBitmap(wxString("image/content/message/") + name).ConvertToImage(), x, y);
    }

    TestFrame frame{wxSize(400, 300)};
    TwKindMessageWindow* window = nullptr;
};

} // namespace

TEST_F(MessageWindowTest, StartsEmptyWhiteWithItsIdAndClassName)
{
    EXPECT_EQ(window->GetId(), 311);
    EXPECT_EQ(window->GetVirtualSize(), wxSize(400, 800));
    EXPECT_EQ(window->GetBackgroundColour(), *wxWHITE);
    EXPECT_TRUE(window->GetBubbles().empty());
    int xRate = 0;
    int yRate = 0;
    window->GetScrollPixelsPerUnit(&xRate, &yRate);
    EXPECT_EQ(xRate, 1);
    EXPECT_EQ(yRate, 1);

    wxObject* made = wxCreateDynamicObject("TwKindMessageWindow");
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(wxCLASSINFO(wxWindow)));
    EXPECT_NE(dynamic_cast<TwKindMessageWindow*>(made), nullptr);
    delete made;
}

TEST_F(MessageWindowTest, LaysOutTheDemoConversationsInItsOwnFont)
{
    for (const char* phone : {kScriptConversation, kLongConversation}) {
        const HandoverConversation* conversation = DemoConversation(phone);
        ASSERT_NE(conversation, nullptr) << phone;
        window->ShowConversation(conversation);
        const auto& bubbles = window->GetBubbles();
        const HandoverMessage* message = conversation->messages;
        int expectedY = 20;
        for (const auto& bubble : bubbles) {
            ASSERT_NE(message, nullptr);
            SCOPED_TRACE(message->text);
            EXPECT_EQ(bubble->x, message->sent ? 120 : 2);
            EXPECT_EQ(bubble->y, expectedY);
            EXPECT_EQ(bubble->centerY, bubble->y + 24);
            EXPECT_EQ(JoinedLines(*bubble), wxString::FromUTF8(message->text));
            EXPECT_EQ(bubble->header, wxString::FromUTF8(message->dateTime));
            EXPECT_GE(bubble->lineHeight, window->GetTextExtent("Ag").y);
            for (const wxString& line : bubble->lines)
                EXPECT_LE(window->GetTextExtent(wxString(line).Trim(true)).x, 180) << line;
            EXPECT_EQ(bubble->centerHeight,
                      10 + static_cast<int>(bubble->lines.size()) * (bubble->lineHeight + 6));
            expectedY = bubble->bottomY + 16 + 20;
            message = message->next;
        }
        EXPECT_EQ(message, nullptr);
        EXPECT_EQ(window->GetVirtualSize(), wxSize(400, expectedY - 20 + 100));
    }
    // The long text wraps into many lines; the empty message still has one.
    EXPECT_GT(window->GetBubbles()[2]->lines.size(), 10u);
    window->ShowConversation(DemoConversation(kScriptConversation));
    EXPECT_EQ(window->GetBubbles()[2]->lines.size(), 1u);
}

TEST_F(MessageWindowTest, PaintsBubblePicturesAndTexts)
{
    window->ShowConversation(DemoConversation(kScriptConversation));
    const auto& bubbles = window->GetBubbles();
    ASSERT_GE(bubbles.size(), 2u);
    const MessageBubble& received = *bubbles[0];
    const MessageBubble& sent = *bubbles[1];
    ASSERT_GE(received.lines.size(), 2u);  // the <script> text is wider than a bubble
    window->Refresh();

    // Opaque places away from the texts show the pictures exactly; outside
    // the bubbles the window is white.
    const auto shows = [&](int x, int y, const wxColour& expected) {
        return WaitFor(
            [&] {
                const wxImage screen = CaptureClientArea(window);
                return x < screen.GetWidth() && y < screen.GetHeight() && PixelAt(screen, x, y) == expected;
            },
            5000);
    };
    EXPECT_TRUE(shows(380, 10, *wxWHITE));
    EXPECT_TRUE(shows(received.x + 210, received.y + 14, ImagePixel("incoming_top.png", 210, 14)));
    EXPECT_TRUE(shows(received.x + 210, received.centerY + 3, ImagePixel("incoming_center.png", 210, 3)));
    EXPECT_TRUE(shows(received.x + 100, received.bottomY + 6, ImagePixel("incoming_bottom.png", 100, 6)));
    EXPECT_TRUE(shows(sent.x + 4, sent.centerY + 3, ImagePixel("outgoing_center.png", 4, 3)));
    EXPECT_TRUE(shows(380, received.centerY + 3, *wxWHITE));

    // Dark text pixels in the header and in each line of the first bubble.
    const wxImage screen = CaptureClientArea(window);
    const auto hasText = [&](int left, int top, int height) {
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + 180; ++x)
                if (screen.GetRed(x, y) < 100 && screen.GetGreen(x, y) < 100)
                    return true;
        return false;
    };
    const int left = received.x + received.textInset;
    EXPECT_TRUE(hasText(left, received.y + 2, 20));
    EXPECT_TRUE(hasText(left, received.LineY(0), received.lineHeight));
    EXPECT_TRUE(hasText(left, received.LineY(1), received.lineHeight));

    // Scrolled down, the long story's middle part lies where the scroll
    // position puts it.
    window->ShowConversation(DemoConversation(kLongConversation));
    window->Scroll(0, 250);
    const MessageBubble& story = *window->GetBubbles()[2];
    const int storyY = story.centerY + 203;
    ASSERT_LT(storyY, story.bottomY);
    EXPECT_TRUE(shows(story.x + 210, storyY - 250, ImagePixel("incoming_center.png", 210, 203 % 8)));
}

TEST_F(MessageWindowTest, NextConversationKeepsTheScrollPositionItCan)
{
    window->ShowConversation(DemoConversation(kLongConversation));
    const int longHeight = window->GetVirtualSize().y;
    const int clientHeight = window->GetClientSize().y;
    ASSERT_GT(longHeight, clientHeight + 250);
    window->Scroll(0, 250);
    window->ShowConversation(DemoConversation(kLongConversation));
    EXPECT_EQ(window->GetViewStart().y, 250);

    window->ShowConversation(DemoConversation(kScriptConversation));
    const int shortHeight = window->GetVirtualSize().y;
    ASSERT_LT(shortHeight - clientHeight, 250);
    EXPECT_EQ(window->GetViewStart().y, std::max(0, shortHeight - clientHeight));

    window->ShowConversation(nullptr);
    EXPECT_TRUE(window->GetBubbles().empty());
    // The window reports at least its client size as its virtual size.
    EXPECT_EQ(window->GetVirtualSize().y, std::max(100, window->GetClientSize().y));
    EXPECT_EQ(window->GetViewStart(), wxPoint(0, 0));
}

TEST(MessageWindowDeathTest, AMissingBubblePictureStopsTheProgram)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    TestFrame frame;
    const std::string noTheme = MakeTempFolder("no-theme");
    EXPECT_DEATH(
        {
            SetExecutablePath(wxString::FromUTF8(noTheme + "/bin/" HANDOVER_PROGRAM_NAME));
            new TwKindMessageWindow(frame.Parent());
        },
        "src/window/client/tw_kind_message_window.*incoming_bottom_->IsOk\\(\\)");
}
