#include "gallery_sections.h"

#include <memory>

#include <wx/button.h>
#include <wx/dc.h>
#include <wx/gauge.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/srchctrl.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "app/face_options.h"
#include "common/image_util.h"
#include "gallery_panels.h"
#include "gallery_views.h"
#include "gui_probe/gui_probe.h"
#include "window/base/msw/tw_hyperlink_ctrl.h"
#include "window/base/msw/tw_static_bitmap.h"
#include "window/base/msw/tw_static_text.h"
#include "window/base/sk_button.h"
#include "window/base/sk_histogram_ctrl.h"
#include "window/base/sk_menu_button.h"
#include "window/base/tw_bitmap_button.h"
#include "window/base/tw_word_button.h"

namespace {

const wxString kStates[] = {"normal", "hover", "pressed", "disabled"};


SKButton* ThemeButton(const wxBitmap* background, const wxString& stem, wxWindow* parent, const wxPoint& at,
                      const wxString& hover = "_hover.png")
{
    return new SKButton(background, LoadThemeBitmap(stem + "_normal.png"), LoadThemeBitmap(stem + hover),
                        LoadThemeBitmap(stem + "_pressed.png"), parent, wxID_ANY, at);
}

// Puts an SKButton or a Tw button into the gallery row's state.
void ApplyState(wxWindow* button, int state)
{
    if (state == 1 || state == 2)
        SendMouse(button, wxEVT_ENTER_WINDOW);
    if (state == 2)
        SendMouse(button, wxEVT_LEFT_DOWN);
    if (state == 3)
        button->Enable(false);
}

// Three title bars (5 rows of top edge and 20 of title) with the caption
// buttons normal, under the pointer and pressed.
std::function<void()> BuildTitleBars(wxWindow* root)
{
    std::vector<std::pair<wxWindow*, int>> states;
    const int width = root->GetClientSize().x;
    for (int row = 0; row < 3; ++row) {
        const int top = 10 + row * 35;
        new BandPanel(root, "image/border/top_border_bg.png", wxPoint(0, top), wxSize(width, 5));
        auto* bar = new BandPanel(root, "image/title/title_bg.png", wxPoint(0, top + 5), wxSize(width, 20));
        const wxBitmap* background = KeepBitmap(GetThemeBitmap("image/title/title_bg.png"));
        auto* icon = new TwStaticBitmap(bar, wxID_ANY, GetThemeBitmap("image/title/icon.png"), wxPoint(5, 2));
        icon->SetBackgroundBitmap(&bar->GetTiledBackground());
        auto* title = new TwStaticText(bar, wxID_ANY, wxString::FromUTF8("Corvane Handover Free  \u2014  buttons ") + kStates[row],
                                       wxPoint(26, 2));
        title->SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold());
        title->SetSize(title->GetBestSize());
        title->SetForegroundColour(FindFaceColour("/face/titlebar/titletext-colour"));
        title->SetBackgroundBitmap(&bar->GetTiledBackground());
        int x = width - 5;
        for (const char* name : {"close", "restore", "maximize", "minimize"}) {
            x -= 28;
            SKButton* button = ThemeButton(background, wxString("image/title/") + name, bar, wxPoint(x, 1));
            states.push_back({button, row});
        }
    }
    return [states] {
        for (const auto& [button, state] : states)
            ApplyState(button, state);
    };
}

// Four tool bars: everything at rest, under the pointer, pressed, disabled.
std::function<void()> BuildToolBars(wxWindow* root)
{
    std::vector<std::pair<wxWindow*, int>> states;
    std::vector<SkMenuButton*> activated;
    const int width = root->GetClientSize().x;
    const wxBitmap menuBackground = GetThemeBitmap("image/tool/menu_bar_bg.png");
    const wxColour normalText = FindFaceColour("/face/menu/text-normal-colour");
    const wxColour currentText = FindFaceColour("/face/menu/text-current-colour");
    const FaceOption crop = FindFaceOption("/face/base-button/export-button-crop");
    wxFont exportFont = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    exportFont.SetPointSize(FindFaceOption("/face/base-button/export-button-crop/font").height);

    for (int row = 0; row < 4; ++row) {
        const int top = 10 + row * 52;
        auto* bar = new BandPanel(root, "image/tool/tool_bg.png", wxPoint(0, top), wxSize(width, 42));
        const wxBitmap* background = KeepBitmap(GetThemeBitmap("image/tool/tool_bg.png"));

        // The menu bar: titles side by side on its own band, centred.
        auto* menuBar = new BandPanel(bar, "image/tool/menu_bar_bg.png", wxPoint(20, 13), wxSize(10, 16));
        int menuX = 0;
        int index = 0;
        for (const char* label : {"File", "Edit", "Advanced", "Help"}) {
            auto* title = new SkMenuButton(new wxMenu, label, menuBackground, menuBar, wxID_ANY, normalText,
                                           currentText, wxPoint(menuX, 0));
            menuX += title->GetSize().x;
            if ((row == 1 && index == 1) || (row == 2 && index == 2))
                activated.push_back(title);
            ++index;
        }
        menuBar->SetSize(menuX, menuBackground.GetHeight());

        auto* exportButton = new TwWordButton;
        exportButton->Create(bar, wxPoint(20 + menuX + 70, 6));
        exportButton->SetImages(GetThemeBitmap("image/tool/export-normal.png"), crop.x, crop.width,
                                GetThemeBitmap("image/tool/export-current.png"),
                                GetThemeBitmap("image/tool/export-pressed.png"));
        exportButton->SetBackgroundBitmap(*background, TwWordButton::kTiledBackground);
        exportButton->SetTextY(crop.y);
        exportButton->SetForegroundColour(FindFaceColour("/face/base-button/export-button-crop/textcolour"));
        exportButton->SetLabelAndFont(row == 3 ? "Exportieren" : "Export", exportFont);
        states.push_back({exportButton, row});

        auto* search = new wxSearchCtrl(bar, wxID_ANY, "Search", wxDefaultPosition, wxSize(160, -1));
        search->Move(width - 10 - 160, (42 - search->GetSize().y) / 2);
        SKButton* filter = ThemeButton(background, "image/tool/filter_view", bar, wxPoint(width - 10 - 160 - 60 - 30, 8));
        SKButton* list = ThemeButton(background, "image/tool/list_view", bar, wxPoint(filter->GetPosition().x - 30, 8));
        states.push_back({list, row});
        states.push_back({filter, row});
    }
    return [states, activated] {
        for (const auto& [button, state] : states)
            ApplyState(button, state);
        for (SkMenuButton* title : activated)
            title->SetState(SkMenuButton::kActivate);
    };
}

} // namespace

// Bitmaps the widgets only point at (as they point at their parent's) live
// until the gallery ends, after every section's frame is gone.
const wxBitmap* KeepBitmap(const wxBitmap& bitmap)
{
    static std::vector<std::unique_ptr<wxBitmap>> kept;
    kept.push_back(std::make_unique<wxBitmap>(bitmap));
    return kept.back().get();
}

std::vector<GallerySection> GallerySections()
{
    return {
        {"title_bar", wxSize(560, 110), BuildTitleBars},
        {"tool_bar", wxSize(760, 218), BuildToolBars},
        {"status_bar", wxSize(560, 50), BuildStatusBar},
        {"device_summary", wxSize(640, 360), BuildDeviceSummary},
        {"pictures", wxSize(1040, 260), BuildPictures},
        {"about", wxSize(420, 280), BuildAbout},
        {"messages", wxSize(1126, 1000), BuildMessages},
        {"getting_started", wxSize(620, 500), BuildGettingStarted},
    };
}
