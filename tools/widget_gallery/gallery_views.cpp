#include "gallery_views.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <wx/button.h>
#include <wx/dc.h>
#include <wx/gauge.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "common/image_util.h"
#include "gallery_panels.h"
#include "gui_probe/gui_probe.h"
#include "window/base/msw/tw_hyperlink_ctrl.h"
#include "window/base/msw/tw_static_bitmap.h"
#include "window/base/msw/tw_static_text.h"
#include "window/base/sk_histogram_ctrl.h"
#include "window/base/tw_bitmap_button.h"
#include "window/client/tw_kind_message_window.h"

// The device summary: picture, a few facts, the storage bar and its legend.
std::function<void()> BuildDeviceSummary(wxWindow* root)
{
    const wxSize size = root->GetClientSize();
    auto* view = new BandPanel(root, "image/client/client_bg.png", wxPoint(0, 0), size);
    new wxStaticBitmap(view, wxID_ANY, GetThemeBitmap("image/client/device-info/iphone.png"), wxPoint(60, 24));
    const char* facts[][2] = {{"Type:", "iPhone 6 (A1586)"}, {"Capacity:", "59.59 GB"},
                              {"Version:", "iOS 9.1"}, {"Serial Number:", "F2LQ8XXXG5MN"}};
    int y = 70;
    for (const auto& fact : facts) {
        auto* name = new wxStaticText(view, wxID_ANY, fact[0], wxPoint(280, y), wxSize(115, -1));
        name->SetFont(name->GetFont().Bold());
        new wxStaticText(view, wxID_ANY, fact[1], wxPoint(400, y));
        y += 28;
    }

    auto* bar = new SKHistogramCtrl(new wxBitmap(GetThemeBitmap("image/client/client_bg.png")), view,
                                    wxPoint(60, 268), wxSize(460, 28), 3.25);
    const char* kinds[] = {"audio", "video", "photo", "others", "available"};
    const double fractions[] = {0.25, 0.125, 0.1, 0.05, 0.475};
    for (int i = 0; i < 5; ++i)
        bar->GetParts().push_back(std::make_unique<SkHistogramPart>(
            LoadThemeBitmap(wxString("image/client/device-info/percentage_") + kinds[i] + ".png"), fractions[i]));
    new wxStaticText(view, wxID_ANY, "59.59 GB", wxPoint(532, 274));

    const char* captions[][2] = {{"Audio", "14.90 GB"}, {"Video", "7.45 GB"}, {"Photos", "5.96 GB"},
                                 {"Others", "2.98 GB"}, {"Free", "28.30 GB"}};
    for (int i = 0; i < 5; ++i) {
        const int x = 60 + i * 100;
        new wxStaticBitmap(view, wxID_ANY,
                           GetThemeBitmap(wxString("image/client/device-info/sample_") + kinds[i] + ".png"),
                           wxPoint(x, 314));
        new wxStaticText(view, wxID_ANY, captions[i][0], wxPoint(x + 19, 310));
        auto* value = new wxStaticText(view, wxID_ANY, captions[i][1], wxPoint(x + 19, 328));
        value->SetForegroundColour(wxColour(100, 110, 125));
    }
    return [] {};
}

// Every navigation icon as the tree shows it, the four device pictures and
// the picture placeholder.
std::function<void()> BuildPictures(wxWindow* root)
{
    const wxSize size = root->GetClientSize();
    auto* view = new BandPanel(root, "image/client/client_bg.png", wxPoint(0, 0), size);
    const char* icons[] = {"ipad", "iphone", "ipod", "unknow", "music", "movie", "tv_show",
                           "podcast", "audiobook", "book", "ringtone", "playlist", "voice_memo",
                           "camera_roll", "photo", "contacts", "messages", "notes", "safari"};
    for (int i = 0; i < 19; ++i) {
        const wxPoint at(12 + (i / 10) * 120, 12 + (i % 10) * 24);
        new wxStaticBitmap(view, wxID_ANY, GetThemeBitmap(wxString("image/client/navigation/") + icons[i] + ".png"), at);
        new wxStaticText(view, wxID_ANY, icons[i], at + wxPoint(22, 0));
    }
    int x = 260;
    for (const char* device : {"ipad", "iphone", "ipod", "unknow"}) {
        new wxStaticBitmap(view, wxID_ANY, GetThemeBitmap(wxString("image/client/device-info/") + device + ".png"),
                           wxPoint(x, 12));
        x += 165;
    }
    new wxStaticBitmap(view, wxID_ANY, GetThemeBitmap("image/client/picture-view/unload_picture.png"),
                       wxPoint(x, 12));
    new wxStaticBitmap(view, wxID_ANY, GetThemeBitmap("application/application.png"), wxPoint(x - 14, 130));
    return [] {};
}

// The About dialog's picture with its title, caption buttons (close under the
// pointer, minimise pressed), icon, texts, link and Ok button.
std::function<void()> BuildAbout(wxWindow* root)
{
    const wxBitmap* background = KeepBitmap(GetThemeBitmap("image/dialog/info_bg.png"));
    const int width = background->GetWidth();
    const int height = background->GetHeight();
    auto* dialog = new PaintedPanel(root, wxPoint(0, 0), background->GetSize(), [background](wxDC& dc) {
        dc.DrawBitmap(*background, 0, 0, false);
        wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
        font.SetPointSize(10);
        dc.SetFont(font.Bold());
        dc.SetTextForeground(*wxBLACK);
        dc.DrawText("About", 20, 6);
    });

    auto titleButton = [&](const wxString& name, int x, int id) {
        const wxBitmap normal = GetThemeBitmap("image/title/" + name + "_normal.png");
        auto* button = new TwBitmapButton(dialog, id, wxPoint(x, 2), normal.GetSize());
        button->SetFaces(new wxBitmap(normal), LoadThemeBitmap("image/title/" + name + "_hover.png"),
                         LoadThemeBitmap("image/title/" + name + "_pressed.png"));
        const std::unique_ptr<wxBitmap> piece(CopyBitmapRect(*background, x, 2, normal.GetWidth(), normal.GetHeight()));
        button->SetBackgroundBitmap(*piece);
        return button;
    };
    const int closeX = width - 28 - 4;
    TwBitmapButton* close = titleButton("close", closeX, 2);
    TwBitmapButton* minimise = titleButton("minimize", closeX - 28 - 1, 3);

    const wxImage icon = GetThemeBitmap("application/application.png").ConvertToImage().Scale(80, 80, wxIMAGE_QUALITY_HIGH);
    auto* picture = new TwStaticBitmap(dialog, wxID_ANY, wxBitmap(icon), wxPoint((width - 80) / 2, 36));
    picture->SetBackgroundBitmap(background);

    auto centred = [&](wxWindow* control, int y) {
        control->Move((width - control->GetSize().x) / 2, y);
    };
    auto* version = new TwStaticText(dialog, wxID_ANY, "Corvane Handover Free 1.0.15", wxPoint(0, 0));
    version->SetForegroundColour(*wxBLACK);
    version->SetBackgroundBitmap(background);
    centred(version, 120);
    auto* notice = new TwStaticText(dialog, wxID_ANY, wxString::FromUTF8("Copyright \u00a9 2015 Corvane. All rights reserved."),
                                    wxPoint(0, 0));
    notice->SetForegroundColour(*wxBLACK);
    notice->SetBackgroundBitmap(background);
    centred(notice, 150);
    const wxString address = "https://www.corvane.example/handover/download";
    auto* link = new TwHyperLinkCtrl(dialog, wxID_ANY, address, address, wxPoint(0, 0), wxDefaultSize,
                                     wxBORDER_NONE | wxHL_CONTEXTMENU | wxHL_ALIGN_LEFT);
    link->SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Underlined());
    link->SetSize(link->GetBestSize());
    link->SetBackgroundBitmap(background);
    centred(link, 190);

    wxFont okFont = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold();
    okFont.SetPointSize(10);
    auto* ok = new wxButton(dialog, wxID_OK, "");
    ok->SetFont(okFont);
    ok->SetLabel("Ok");
    const wxSize okSize = ok->GetTextExtent("Ok") + wxSize(16, 8);
    ok->SetSize(width - okSize.x - 20, height - okSize.y - 40, okSize.x, okSize.y);
    return [close, minimise] {
        SendMouse(close, wxEVT_ENTER_WINDOW);
        SendMouse(minimise, wxEVT_LEFT_DOWN);
    };
}

namespace {

// The demo iPhone's conversations, read straight from the device library (no
// detection, so nothing is written to the user's folders). They live until
// the gallery ends, like the windows that show them.
const HandoverConversation* DemoConversations()
{
    static HandoverConversation* conversations = [] {
        setenv("HANDOVER_DEVICES", HANDOVER_STAGE_DIR "/demo-devices/iphone", 1);
        PodDeviceService* devices = CreatePodDeviceService();
        plist_t list = devices->ListDevices();
        plist_t first = list != nullptr ? plist_array_get_item(list, 0) : nullptr;
        plist_t value = first != nullptr ? plist_dict_get_item(first, "value") : nullptr;
        char* id = nullptr;
        if (value != nullptr)
            plist_get_string_val(value, &id);
        HandoverService* content = CreateHandoverService();
        int count = 0;
        HandoverConversation* found = id != nullptr ? content->GetMessages(nullptr, id, &count, nullptr) : nullptr;
        if (found == nullptr)
            std::fprintf(stderr, "no demo conversations below %s\n", HANDOVER_STAGE_DIR "/demo-devices/iphone");
        std::free(id);
        plist_free(list);
        FreePodDeviceService(devices);
        return found;
    }();
    return conversations;
}

const HandoverConversation* DemoConversation(const char* phoneNumber)
{
    for (const HandoverConversation* c = DemoConversations(); c != nullptr; c = c->next)
        if (std::strcmp(c->phoneNumber, phoneNumber) == 0)
            return c;
    return nullptr;
}

} // namespace

// The message window on three demo conversations: the longest (Chinese and a
// long story), the multi-line shopping list and the one with markup, an empty
// message and an emoji.
std::function<void()> BuildMessages(wxWindow* root)
{
    const char* phones[] = {"+86 138 5550 0105", "+1 415 555 0101", "+353 85 555 0113"};
    const int height = root->GetClientSize().y;
    int x = 0;
    for (const char* phone : phones) {
        auto* window = new TwKindMessageWindow(root, wxPoint(x, 0), wxSize(370, height));
        window->ShowConversation(DemoConversation(phone));
        x += 370 + 8;
    }
    return [] {};
}

// The getting-started page as the right pane shows it without a device.
std::function<void()> BuildGettingStarted(wxWindow* root)
{
    auto* view = new BandPanel(root, "image/client/client_bg.png", wxPoint(0, 0), root->GetClientSize());
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->AddSpacer(40);
    auto* title = new wxStaticText(view, wxID_ANY, "Getting Started");
    title->SetFont(wxFont(wxFontInfo(30).Family(wxFONTFAMILY_ROMAN).Bold()));
    sizer->Add(title, 0, wxEXPAND | wxLEFT, 40);
    sizer->AddSpacer(20);
    sizer->Add(new wxStaticBitmap(view, wxID_ANY, GetThemeBitmap("image/client/getting-started/not_connect.png")), 0,
               wxLEFT, 40);
    sizer->AddSpacer(20);
    auto* help = new wxStaticText(view, wxID_ANY,
                                  "No device detected! Please try to fix it as below:\n\n 1. Please install iTunes!\n"
                                  " 2. Please make sure the device is connected to your computer!\n"
                                  " 3. Please restart the program to try again!\n");
    help->SetFont(wxFont(wxFontInfo(12).Family(wxFONTFAMILY_ROMAN)));
    sizer->Add(help, 0, wxEXPAND | wxLEFT, 40);
    sizer->AddStretchSpacer(1);
    sizer->Add(new wxStaticBitmap(view, wxID_ANY, GetThemeBitmap("image/client/getting-started/cable.png")), 0,
               wxALIGN_RIGHT | wxRIGHT, 25);
    view->SetSizer(sizer);
    view->Layout();
    return [] {};
}

// The status bar with a detection under way.
std::function<void()> BuildStatusBar(wxWindow* root)
{
    const wxSize size = root->GetClientSize();
    auto* bar = new BandPanel(root, "image/status/status_bg.png", wxPoint(0, 10), wxSize(size.x, 30));
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    auto* text = new wxStaticText(bar, wxID_ANY, "iPhone (Loading music ...)");
    text->SetFont(wxFont(wxFontInfo(12).Family(wxFONTFAMILY_ROMAN)));
    text->SetForegroundColour(*wxWHITE);
    sizer->Add(text, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 8);
    sizer->AddSpacer(10);
    auto* gauge = new wxGauge(bar, wxID_ANY, 100);
    gauge->SetValue(40);
    sizer->Add(gauge, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    bar->SetSizer(sizer);
    bar->Layout();
    return [] {};
}
