// The About dialog on the theme's background: its title and content in
// place, the title buttons and Ok, dragging by the background, and a theme
// without the background.
#include <cstdlib>
#include <functional>
#include <memory>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>

#include "app/domain_option.h"
#include "app/language.h"
#include "app/product_paths.h"
#include "common/image_util.h"
#include "pointer_drag.h"
#include "support/gui_test.h"
#include "window/about_dialog.h"
#include "window/base/msw/tw_hyperlink_ctrl.h"
#include "window/base/msw/tw_static_bitmap.h"
#include "window/base/msw/tw_static_text.h"
#include "window/base/tw_bitmap_button.h"

namespace {

// The main frame as the dialog's minimise button sees it: the application's
// top window, recording the requests a window manager would carry out.
class RecordingFrame : public wxFrame {
public:
    RecordingFrame() : wxFrame(nullptr, wxID_ANY, "main", wxPoint(0, 0), wxSize(300, 200)) {}
    void Iconize(bool iconize) override { iconizeRequests += iconize ? 1 : 0; }
    int iconizeRequests = 0;
};

// Makes the frame the application's top window while it lives.
class ScopedTopWindow {
public:
    explicit ScopedTopWindow(wxWindow* window) { wxTheApp->SetTopWindow(window); }
    ~ScopedTopWindow() { wxTheApp->SetTopWindow(nullptr); }
};

template <class Control>
Control* FindChild(wxWindow* parent)
{
    for (wxWindow* child : parent->GetChildren())
        if (auto* control = dynamic_cast<Control*>(child))
            return control;
    return nullptr;
}

std::vector<TwStaticText*> Texts(wxWindow* parent)
{
    std::vector<TwStaticText*> texts;
    for (wxWindow* child : parent->GetChildren())
        if (auto* text = dynamic_cast<TwStaticText*>(child))
            texts.push_back(text);
    return texts;
}

void Click(wxWindow* button)
{
    SendMouse(button, wxEVT_ENTER_WINDOW);
    SendMouse(button, wxEVT_LEFT_DOWN);
    SendMouse(button, wxEVT_LEFT_UP);
}

void SendButtonCommand(wxWindow* from, int id)
{
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(from);
    from->ProcessWindowEvent(click);
}

// Pixels of the black title text: clearly darker than anything on the
// dialog's light title band.
int DarkPixels(const wxImage& image, const wxRect& rect)
{
    int dark = 0;
    for (int y = rect.y; y < rect.GetBottom() + 1; ++y)
        for (int x = rect.x; x < rect.GetRight() + 1; ++x)
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 200)
                ++dark;
    return dark;
}

// Horizontally centred across the dialog (integer division), at `top`.
void ExpectCentredAt(wxWindow* control, int dialogWidth, int top)
{
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->GetPosition(), wxPoint((dialogWidth - control->GetSize().x) / 2, top))
        << control->GetLabel();
}

void SaveShot(wxWindow* window, const char* name)
{
    if (const char* folder = std::getenv("HANDOVER_SCREENSHOTS"))
        CaptureClientArea(window).SaveFile(wxString(folder) + "/" + name + ".png", wxBITMAP_TYPE_PNG);
}

} // namespace

TEST(AboutDialogTest, ContentSitsInPlaceAndTheTitleIsDrawnAtItsCorner)
{
    AboutDialog dialog;
    ASSERT_TRUE(CreateAboutDialog(dialog));
    const wxBitmap background = GetThemeBitmap(kAboutBackgroundName);
    ASSERT_TRUE(background.IsOk());
    ASSERT_NE(dialog.GetBackgroundBitmap(), nullptr);
    const int width = background.GetWidth();
    const int height = background.GetHeight();
    EXPECT_EQ(dialog.GetSize(), background.GetSize());
    EXPECT_EQ(dialog.GetTitle(), "About");

    const wxSize closeSize = GetThemeBitmap("image/title/close_normal.png").GetSize();
    const wxSize minimizeSize = GetThemeBitmap("image/title/minimize_normal.png").GetSize();
    wxWindow* close = dialog.FindWindow(AboutDialogBase::ID_TITLE_CLOSE);
    wxWindow* minimize = dialog.FindWindow(AboutDialogBase::ID_TITLE_MINIMIZE);
    ASSERT_NE(dynamic_cast<TwBitmapButton*>(close), nullptr);
    ASSERT_NE(dynamic_cast<TwBitmapButton*>(minimize), nullptr);
    const int closeX = width - closeSize.x - 4;
    EXPECT_EQ(close->GetRect(), wxRect(wxPoint(closeX, 2), closeSize));
    EXPECT_EQ(minimize->GetRect(), wxRect(wxPoint(closeX - minimizeSize.x - 1, 2), minimizeSize));
    EXPECT_TRUE(static_cast<TwBitmapButton*>(close)->UsesBackgroundBitmap());

    auto* icon = FindChild<TwStaticBitmap>(&dialog);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->GetRect(), wxRect((width - 80) / 2, 36, 80, 80));
    EXPECT_EQ(icon->GetBackgroundBitmap(), dialog.GetBackgroundBitmap());

    const std::vector<TwStaticText*> texts = Texts(&dialog);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->GetLabel(), "Corvane Handover Free 1.0.15");
    ExpectCentredAt(texts[0], width, 120);
    const wxString notice = texts[1]->GetLabel();
    EXPECT_TRUE(notice.StartsWith("Copyright ")) << notice;
    EXPECT_NE(notice.Find(" " + BuildYearOf(GetBuildDate()) + " Corvane."), wxNOT_FOUND) << notice;
    ExpectCentredAt(texts[1], width, 150);
    for (TwStaticText* text : texts) {
        EXPECT_EQ(text->GetForegroundColour(), *wxBLACK);
        EXPECT_EQ(text->GetBackgroundBitmap(), dialog.GetBackgroundBitmap());
    }

    // The link leads to the product's download page from the link file.
    auto* link = FindChild<TwHyperLinkCtrl>(&dialog);
    ASSERT_NE(link, nullptr);
    const wxString page = DomainOption(GetProductLinksPath()).GetDownloadUrl();
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(link->GetURL(), page);
    EXPECT_EQ(link->GetLabel(), page);
    EXPECT_TRUE(link->GetFont().GetUnderlined());
    ExpectCentredAt(link, width, 190);

    wxButton* ok = dialog.GetOkButton();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->GetId(), wxID_OK);
    EXPECT_EQ(ok->GetLabel(), "Ok");
    EXPECT_EQ(ok->GetPosition(), wxPoint(width - ok->GetSize().x - 20, height - ok->GetSize().y - 40));

    dialog.Show();
    ASSERT_TRUE(WaitForShown(&dialog));
    SaveShot(&dialog, "about-dialog");
    const wxRect titleRect(20, 6, 36, 14);
    const wxImage withTitle = CaptureClientArea(&dialog);
    ASSERT_TRUE(withTitle.IsOk());
    EXPECT_GT(DarkPixels(withTitle, titleRect), 20);
    EXPECT_EQ(DarkPixels(withTitle, wxRect(6, 4, 12, 20)), 0);  // nothing before the title
    // The body shows the background picture where no control stands.
    const wxImage picture = background.ConvertToImage();
    EXPECT_NEAR(withTitle.GetGreen(40, 100), picture.GetGreen(40, 100), 8);

    // Without a title the same corner shows the plain band.
    dialog.SetTitle(wxEmptyString);
    dialog.Refresh();
    dialog.Update();
    ASSERT_TRUE(WaitFor([&] { return DarkPixels(CaptureClientArea(&dialog), titleRect) == 0; }));
}

TEST(AboutDialogTest, CloseAndOkEndTheModalLoopAndMinimiseIconizesTheMainFrame)
{
    RecordingFrame* mainFrame = new RecordingFrame;
    mainFrame->Show();
    ASSERT_TRUE(WaitForShown(mainFrame));
    ScopedTopWindow top(mainFrame);

    const struct {
        const char* name;
        std::function<void(AboutDialog&)> end;
    } cases[] = {
        {"title close button", [](AboutDialog& d) { Click(d.FindWindow(AboutDialogBase::ID_TITLE_CLOSE)); }},
        {"wxID_CLOSE", [](AboutDialog& d) { SendButtonCommand(&d, wxID_CLOSE); }},
        {"Ok button", [](AboutDialog& d) { SendButtonCommand(d.GetOkButton(), wxID_OK); }},
    };
    int expectedIconizes = 0;
    for (const auto& c : cases) {
        AboutDialog dialog;
        ASSERT_TRUE(CreateAboutDialog(dialog));
        bool stayedAfterMinimise = false;
        dialog.CallAfter([&] {
            Click(dialog.FindWindow(AboutDialogBase::ID_TITLE_MINIMIZE));
            stayedAfterMinimise = dialog.IsModal() && dialog.IsShown();
            c.end(dialog);
        });
        EXPECT_EQ(dialog.ShowModal(), 0) << c.name;
        EXPECT_TRUE(stayedAfterMinimise) << c.name;
        EXPECT_EQ(mainFrame->iconizeRequests, ++expectedIconizes) << c.name;
    }
    mainFrame->Destroy();
}

TEST(AboutDialogTest, DragsByTheBackgroundButNotByAControl)
{
    AboutDialog dialog;
    ASSERT_TRUE(CreateAboutDialog(dialog));
    dialog.Move(40, 40);
    dialog.Show();
    ASSERT_TRUE(WaitForShown(&dialog));
    const wxPoint start = dialog.GetPosition();
    {
        PointerDrag drag(&dialog);
        const wxPoint grab = dialog.ClientToScreen(wxPoint(40, 240));
        ASSERT_TRUE(drag.Press(grab));
        ASSERT_TRUE(drag.MoveTo(grab + wxPoint(30, 10)));
        ASSERT_TRUE(drag.MoveTo(grab + wxPoint(70, 50)));
        ASSERT_TRUE(drag.Release());
    }
    EXPECT_TRUE(WaitFor([&] { return dialog.GetPosition() == start + wxPoint(70, 50); }))
        << dialog.GetPosition().x << "," << dialog.GetPosition().y;
    EXPECT_FALSE(dialog.HasCapture());

    // The icon is a control: pressing on it and moving leaves the dialog where it is.
    const wxPoint moved = dialog.GetPosition();
    auto* icon = FindChild<TwStaticBitmap>(&dialog);
    ASSERT_NE(icon, nullptr);
    {
        PointerDrag drag(icon);
        const wxPoint grab = ScreenCentre(icon);
        ASSERT_TRUE(drag.Press(grab));
        ASSERT_TRUE(drag.MoveTo(grab + wxPoint(40, 30)));
        ASSERT_TRUE(drag.Release());
    }
    PumpPendingEvents();
    EXPECT_EQ(dialog.GetPosition(), moved);
}

TEST(AboutDialogTest, BaseClassIsKnownByItsNameAsADialog)
{
    const wxClassInfo* info = wxClassInfo::FindClass("AboutDialogBase");
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->IsKindOf(wxCLASSINFO(wxDialog)));
    std::unique_ptr<wxObject> made(info->CreateObject());
    EXPECT_NE(dynamic_cast<AboutDialogBase*>(made.get()), nullptr);
}

TEST(AboutDialogTest, MissingBackgroundGivesAnEmptyDialog)
{
    AboutDialog dialog;
    ASSERT_TRUE(CreateAboutDialog(dialog, "image/dialog/no_such_background.png"));
    EXPECT_EQ(dialog.GetBackgroundBitmap(), nullptr);
    // Made 0 x 0; GTK keeps a window at least 1 x 1.
    EXPECT_LE(dialog.GetSize().x, 1);
    EXPECT_LE(dialog.GetSize().y, 1);
    // Its controls exist and it shows and hides without a background to draw.
    EXPECT_NE(dialog.GetOkButton(), nullptr);
    dialog.Show();
    PumpPendingEvents();
    dialog.Hide();
    PumpPendingEvents();
}

TEST(AboutDialogTest, EveryLanguageTranslatesTheTitleNoticeAndOk)
{
    const wxString year = BuildYearOf(GetBuildDate());
    for (int i = 0; i < GetLanguageEntryCount(); ++i) {
        const LanguageEntry& language = GetLanguageEntries()[i];
        InstallLocale(language.code);
        AboutDialog dialog;
        ASSERT_TRUE(CreateAboutDialog(dialog));
        const bool english = language.code == kLanguageEnglish;
        EXPECT_EQ(dialog.GetTitle() == "About", english) << language.catalogName;
        EXPECT_EQ(dialog.GetOkButton()->GetLabel() == "Ok", english) << language.catalogName;
        const wxString notice = Texts(&dialog).at(1)->GetLabel();
        EXPECT_EQ(notice.EndsWith(". All rights reserved."), english) << language.catalogName;
        EXPECT_NE(notice.Find(year + " Corvane"), wxNOT_FOUND) << notice;
        // The title keeps its corner whatever its length.
        dialog.Show();
        ASSERT_TRUE(WaitForShown(&dialog));
        EXPECT_GT(DarkPixels(CaptureClientArea(&dialog), wxRect(20, 6, 12, 14)), 5) << language.catalogName;
        SaveShot(&dialog, (wxString("about-dialog-") + language.catalogName).c_str());
    }
    InstallLocale(kLanguageEnglish);
}
