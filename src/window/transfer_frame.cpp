#include "window/transfer_frame.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <wx/gbsizer.h>
#include <wx/icon.h>
#include <wx/settings.h>

#include "app/app_registry.h"
#include "app/language.h"
#include "app/product_paths.h"
#include "app/trace.h"
#include "common/image_util.h"
#include "device/thread_events.h"
#include "window/base/sk_border.h"
#include "window/base/sk_title_bar.h"
#include "window/client/client.h"
#include "window/client/device_content_view.h"
#include "window/client/device_info_view.h"
#include "window/client/left_pane.h"
#include "window/client/no_device_view.h"
#include "window/client/right_pane.h"
#include "window/status_bar.h"
#include "window/tool_bar.h"

wxBEGIN_EVENT_TABLE(TransferFrame, SKResizableFrameBase)
    EVT_CLOSE(TransferFrame::OnClose)
    EVT_COMMAND(wxID_ANY, EVT_LANGUAGE_CHANGED, TransferFrame::OnLanguageChanged)
wxEND_EVENT_TABLE()

namespace {

constexpr int kToolBarHeight = 42;
constexpr int kStatusBarHeight = 30;

} // namespace

TransferFrame::TransferFrame(const wxString& title, const wxPoint& position, const wxSize& size)
    : SKResizableFrameBase(8.0, false)
{
    Create(title, position, size);

    // Every text below is built in the saved language.
    const int languageCode = ReadLanguage();
    InstallLocale(languageCode);

    const wxBitmap appIcon = GetThemeBitmap("application/application.png");
    if (appIcon.IsOk()) {
        wxIcon icon;
        icon.CopyFromBitmap(appIcon);
        SetIcon(icon);
    }

    auto* grid = new wxGridBagSizer(0, 0);
    SetSizer(grid);
    AddBorderPieces();
    AddTitleBar();

    toolBar_ = new ToolBar;
    toolBar_->SetLanguageCode(languageCode);
    toolBar_->Create(this, wxDefaultPosition, wxSize(-1, kToolBarHeight), LoadThemeBitmap("image/tool/tool_bg.png"));
    grid->Add(toolBar_, wxGBPosition(2, 1), wxGBSpan(1, 1), wxEXPAND);
    RegisterWindow(kToolBarSlot, toolBar_);

    client_ = new Client(this);
    grid->Add(client_, wxGBPosition(3, 1), wxGBSpan(1, 1), wxEXPAND);
    toolBar_->InstallSummaryHandler(client_->GetRightPane()->GetDeviceContentView());

    statusBar_ = new StatusBar(this, wxDefaultPosition, wxSize(-1, kStatusBarHeight));
    statusBar_->SetBackground(LoadThemeBitmap("image/status/status_bg.png"));
    grid->Add(statusBar_, wxGBPosition(4, 1), wxGBSpan(1, 1), wxEXPAND);
    RegisterWindow(kStatusBarSlot, statusBar_);

    grid->AddGrowableCol(1, 0);
    grid->AddGrowableRow(3, 0);
    grid->Fit(this);
    grid->SetSizeHints(this);
    Centre(wxBOTH);

    detectionStarted_ = false;
    Bind(wxEVT_IDLE, &TransferFrame::OnIdle, this);
}

TransferFrame::~TransferFrame()
{
    UnregisterWindowsOf(this);
}

void TransferFrame::Refresh(bool, const wxRect*) {}

void TransferFrame::AddBorderPieces()
{
    struct Piece {
        int row, column, kind;
        wxSize size;
        const char* image;
    };
    static const Piece kPieces[] = {
        {0, 0, 0, wxSize(5, 5), "image/border/top_border_bg.png"},
        {0, 1, 1, wxSize(-1, 5), "image/border/top_border_bg.png"},
        {0, 2, 2, wxSize(5, 5), "image/border/top_border_bg.png"},
        {1, 0, 3, wxSize(5, 20), "image/border/title_border_bg.png"},
        {1, 2, 4, wxSize(5, 20), "image/border/title_border_bg.png"},
        {2, 0, 3, wxSize(5, 42), "image/border/tool_border_bg.png"},
        {2, 2, 4, wxSize(5, 42), "image/border/tool_border_bg.png"},
        {3, 0, 3, wxDefaultSize, "image/border/border_bg.png"},
        {3, 2, 4, wxDefaultSize, "image/border/border_bg.png"},
        {4, 0, 3, wxSize(5, 30), "image/border/border_bg.png"},
        {4, 2, 4, wxSize(5, 30), "image/border/border_bg.png"},
        {5, 0, 5, wxSize(5, 5), "image/border/border_bg.png"},
        {5, 1, 6, wxSize(-1, 5), "image/border/border_bg.png"},
        {5, 2, 7, wxSize(5, 5), "image/border/border_bg.png"},
    };
    auto* grid = static_cast<wxGridBagSizer*>(GetSizer());
    for (const Piece& piece : kPieces) {
        auto* border = new SKBorder(piece.kind, this, wxDefaultPosition, piece.size);
        border->SetBackgroundBitmap(GetThemeBitmap(piece.image));
        border->Attach(this);
        grid->Add(border, wxGBPosition(piece.row, piece.column), wxGBSpan(1, 1), wxEXPAND);
    }
}

void TransferFrame::AddTitleBar()
{
    // The fourteen pictures of image/title/ and margins of 5 on every side.
    titleBar_ = SKTitleBar::CreateFromTheme(this, GetTitle());
    RelabelTitleBar();
    titleBar_->Attach(this);
    static_cast<wxGridBagSizer*>(GetSizer())->Add(titleBar_, wxGBPosition(1, 1), wxGBSpan(1, 1), wxEXPAND);
    RegisterWindow(kTitleBarSlot, titleBar_);
}

void TransferFrame::RelabelTitleBar()
{
    titleBar_->SetTitleFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold());
    titleBar_->SetTitleLabel(GetMainWindowTitle());
}

void TransferFrame::FitToTexts()
{
    // Longer texts may need a larger minimum; the frame grows to it.
    client_->FitPanes();
    GetSizer()->SetSizeHints(this);
    const wxSize minimum = GetMinSize();
    const wxSize size = GetSize();
    if (size.x < minimum.x || size.y < minimum.y)
        SetSize(wxSize(std::max(size.x, minimum.x), std::max(size.y, minimum.y)));
    Layout();
}

void TransferFrame::OnIdle(wxIdleEvent& event)
{
    event.Skip();
    if (detectionStarted_ || !IsShown())
        return;
    detectionStarted_ = true;
    Unbind(wxEVT_IDLE, &TransferFrame::OnIdle, this);
    TraceLine("TransferFrame::OnIdle detect device: ");
    if (LeftPane* leftPane = FindRegistered<LeftPane>(kLeftPaneSlot))
        leftPane->DetectDevices();
}

void TransferFrame::OnClose(wxCloseEvent&)
{
    // Ends at once, as if the process were killed: no window is destroyed and
    // no worker awaited. The static destructors are skipped too, because a
    // detection or export may still be using the device services they free.
    std::fflush(nullptr);
    std::_Exit(0);
}

void TransferFrame::OnLanguageChanged(wxCommandEvent& event)
{
    const int code = event.GetInt();
    WriteLanguage(code);
    InstallLocale(code);

    toolBar_->SetLanguageCode(code);
    toolBar_->ClearMenus();
    toolBar_->BuildMenus();
    toolBar_->UpdateLabels();
    toolBar_->Refresh();

    if (LeftPane* leftPane = FindRegistered<LeftPane>(kLeftPaneSlot)) {
        leftPane->UpdateTexts();
        leftPane->Refresh();
    }
    if (NoDeviceView* noDeviceView = FindRegistered<NoDeviceView>(kNoDeviceViewSlot)) {
        noDeviceView->UpdateTexts();
        noDeviceView->Refresh();
        noDeviceView->Update();
    }
    // The device summary's captions and the lists' column titles.
    if (DeviceInfoView* info = FindRegistered<DeviceInfoView>(kDeviceInfoViewSlot)) {
        info->UpdateLabels();
        info->Refresh();
    }
    if (DeviceContentView* content = FindRegistered<DeviceContentView>(kDeviceContentViewSlot))
        content->UpdateTexts();
    FitToTexts();
    RelabelTitleBar();
    titleBar_->Refresh();
}
