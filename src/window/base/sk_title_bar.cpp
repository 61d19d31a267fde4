#include "window/base/sk_title_bar.h"

#include <algorithm>

#include <wx/utils.h>

#include "app/face_options.h"
#include "common/image_util.h"
#include "window/base/msw/tw_static_bitmap.h"
#include "window/base/msw/tw_static_text.h"
#include "window/base/sk_button.h"
#include "window/base/sk_resizable_frame_base.h"

namespace {

constexpr int kIconSize = 16;
constexpr int kTitleTextHeight = 16;

} // namespace

wxBEGIN_EVENT_TABLE(SKTitleBar, wxPanel)
    EVT_SIZE(SKTitleBar::OnSize)
    EVT_LEFT_DOWN(SKTitleBar::OnLeftDown)
    EVT_LEFT_DCLICK(SKTitleBar::OnLeftDown)
    EVT_MOTION(SKTitleBar::OnMotion)
    EVT_LEFT_UP(SKTitleBar::OnLeftUp)
    EVT_MOUSE_CAPTURE_LOST(SKTitleBar::OnCaptureLost)
    EVT_BUTTON(SKTitleBar::kCloseId, SKTitleBar::OnClose)
    EVT_BUTTON(SKTitleBar::kMaximizeId, SKTitleBar::OnMaximizeOrRestore)
    EVT_BUTTON(SKTitleBar::kRestoreId, SKTitleBar::OnMaximizeOrRestore)
    EVT_BUTTON(SKTitleBar::kMinimizeId, SKTitleBar::OnMinimize)
wxEND_EVENT_TABLE()

SKTitleBar::SKTitleBar(wxBitmap* background, wxBitmap* icon,
                       wxBitmap* minimizeNormal, wxBitmap* minimizeHover, wxBitmap* minimizePressed,
                       wxBitmap* maximizeNormal, wxBitmap* maximizeHover, wxBitmap* maximizePressed,
                       wxBitmap* restoreNormal, wxBitmap* restoreHover, wxBitmap* restorePressed,
                       wxBitmap* closeNormal, wxBitmap* closeHover, wxBitmap* closePressed,
                       wxWindow* parent, const wxString& title, const wxPoint& position,
                       const wxSize& size, int leftMargin, int topMargin, int rightMargin, int buttonTop)
    : title_(title),
      background_(background),
      icon_(icon),
      leftMargin_(leftMargin),
      topMargin_(topMargin),
      rightMargin_(rightMargin),
      buttonTop_(buttonTop)
{
    Create(parent, wxID_ANY, position, size, wxBORDER_NONE | wxTAB_TRAVERSAL);
    if (background_ && background_->IsOk())
        SetBackgroundBitmap(*background_);
    tiledBackground_ = background_ ? TiledPiece(*background_, wxRect(GetClientSize())) : wxBitmap();

    iconPicture_ = new TwStaticBitmap(this, wxID_ANY, icon_ ? *icon_ : wxBitmap(), wxDefaultPosition,
                                      wxSize(kIconSize, kIconSize));
    iconPicture_->SetBackgroundBitmap(&tiledBackground_);
    titleText_ = new TwStaticText(this, wxID_ANY, title);
    titleText_->SetForegroundColour(FindFaceColour("/face/titlebar/titletext-colour"));
    titleText_->SetBackgroundBitmap(&tiledBackground_);
    FitTitleText();
    // The title text is a drag handle too.
    titleText_->Bind(wxEVT_LEFT_DOWN, &SKTitleBar::OnLeftDown, this);
    titleText_->Bind(wxEVT_LEFT_DCLICK, &SKTitleBar::OnLeftDown, this);
    titleText_->Bind(wxEVT_MOTION, &SKTitleBar::OnMotion, this);
    titleText_->Bind(wxEVT_LEFT_UP, &SKTitleBar::OnLeftUp, this);
    titleText_->Bind(wxEVT_MOUSE_CAPTURE_LOST, &SKTitleBar::OnCaptureLost, this);

    const wxBitmap* buttonBackground = background_.get();
    minimizeButton_ = new SKButton(buttonBackground, minimizeNormal, minimizeHover, minimizePressed, this, kMinimizeId);
    maximizeButton_ = new SKButton(buttonBackground, maximizeNormal, maximizeHover, maximizePressed, this, kMaximizeId);
    restoreButton_ = new SKButton(buttonBackground, restoreNormal, restoreHover, restorePressed, this, kRestoreId);
    closeButton_ = new SKButton(buttonBackground, closeNormal, closeHover, closePressed, this, kCloseId);
    restoreButton_->Hide();
    LayoutChildren();
}

SKTitleBar::~SKTitleBar() = default;

SKTitleBar* SKTitleBar::CreateFromTheme(wxWindow* parent, const wxString& title, const wxPoint& position,
                                        const wxSize& size)
{
    auto picture = [](const char* name) { return LoadThemeBitmap(wxString("image/title/") + name); };
    return new SKTitleBar(picture("title_bg.png"), picture("icon.png"),
                          picture("minimize_normal.png"), picture("minimize_hover.png"),
                          picture("minimize_pressed.png"), picture("maximize_normal.png"),
                          picture("maximize_hover.png"), picture("maximize_pressed.png"),
                          picture("restore_normal.png"), picture("restore_hover.png"),
                          picture("restore_pressed.png"), picture("close_normal.png"),
                          picture("close_hover.png"), picture("close_pressed.png"),
                          parent, title, position, size);
}

void SKTitleBar::Attach(SKResizableFrameBase* frame)
{
    if (frame_ != nullptr)
        frame_->Unbind(wxEVT_SIZE, &SKTitleBar::OnFrameSize, this);
    frame_ = frame;
    attached_ = frame != nullptr;
    // The frame may be maximized or restored by its owner, not only by the
    // buttons; either way its size changes.
    if (frame_ != nullptr)
        frame_->Bind(wxEVT_SIZE, &SKTitleBar::OnFrameSize, this);
    UpdateMaximizeButtons();
}

void SKTitleBar::OnFrameSize(wxSizeEvent& event)
{
    UpdateMaximizeButtons();
    event.Skip();
}

void SKTitleBar::SetTitleFont(const wxFont& font)
{
    titleText_->SetFont(font);
    FitTitleText();
    LayoutChildren();
}

void SKTitleBar::SetTitleLabel(const wxString& title)
{
    title_ = title;
    titleText_->SetLabel(title);
    FitTitleText();
    LayoutChildren();
}

wxString SKTitleBar::GetTitleLabel() const
{
    return title_;
}

void SKTitleBar::FitTitleText()
{
    titleText_->InvalidateBestSize();
    const wxSize best = titleText_->GetBestSize();
    titleText_->SetSize(best.x, std::max(kTitleTextHeight, best.y));
    InvalidateBestSize();
}

void SKTitleBar::UpdateMaximizeButtons()
{
    if (maximizeButton_ == nullptr || restoreButton_ == nullptr)
        return;
    const bool maximized = frame_ != nullptr && frame_->IsMaximized();
    maximizeButton_->Show(!maximized);
    restoreButton_->Show(maximized);
}

void SKTitleBar::SetCentreVertically(bool centre)
{
    centreVertically_ = centre;
    LayoutChildren();
}

void SKTitleBar::ShowIcon(bool show)
{
    showIcon_ = show;
    if (iconPicture_ != nullptr)
        iconPicture_->Show(show);
    InvalidateBestSize();
    LayoutChildren();
}

void SKTitleBar::SetIconSpacing(int spacing)
{
    iconSpacing_ = spacing;
    InvalidateBestSize();
    LayoutChildren();
}

void SKTitleBar::SetButtonGap(int gap)
{
    buttonGap_ = gap;
    InvalidateBestSize();
    LayoutChildren();
}

void SKTitleBar::LayoutChildren()
{
    if (!iconPicture_ || !titleText_ || !minimizeButton_ || !maximizeButton_ || !restoreButton_ || !closeButton_)
        return;
    const wxSize size = GetClientSize();
    auto top = [&](const wxWindow* child, int margin) {
        return centreVertically_ ? (size.y - child->GetSize().y) / 2 : margin;
    };
    int x = leftMargin_;
    if (showIcon_) {
        iconPicture_->Move(x, top(iconPicture_, topMargin_));
        x += iconPicture_->GetSize().x + iconSpacing_;
    }
    titleText_->Move(x, top(titleText_, topMargin_));

    x = size.x - rightMargin_ - closeButton_->GetSize().x;
    closeButton_->Move(x, top(closeButton_, buttonTop_));
    x -= maximizeButton_->GetSize().x + buttonGap_;
    maximizeButton_->Move(x, top(maximizeButton_, buttonTop_));
    restoreButton_->Move(x, top(restoreButton_, buttonTop_));
    x -= minimizeButton_->GetSize().x + buttonGap_;
    minimizeButton_->Move(x, top(minimizeButton_, buttonTop_));
}

wxSize SKTitleBar::DoGetBestSize() const
{
    int width = leftMargin_;
    if (showIcon_ && iconPicture_ != nullptr)
        width += iconPicture_->GetSize().x + iconSpacing_;
    if (titleText_ != nullptr)
        width += titleText_->GetSize().x;
    if (minimizeButton_ && maximizeButton_ && closeButton_)
        width += minimizeButton_->GetSize().x + buttonGap_ + maximizeButton_->GetSize().x + buttonGap_ +
                 closeButton_->GetSize().x;
    width += rightMargin_;
    return wxSize(width, wxDefaultCoord);
}

void SKTitleBar::OnSize(wxSizeEvent& event)
{
    if (background_ && background_->IsOk()) {
        tiledBackground_ = TiledPiece(*background_, wxRect(GetClientSize()));
        Refresh();
    }
    LayoutChildren();
    event.Skip();
}

// The drag handlers serve the bar and its title text: the window that got the
// press holds the capture. A quick second press arrives as a double click;
// it starts a drag like any other press (the bar has no double-click action). Positions are the pointer's own screen position;
// the event's window-relative one can predate the frame's last move.
void SKTitleBar::OnLeftDown(wxMouseEvent& event)
{
    auto* window = static_cast<wxWindow*>(event.GetEventObject());
    if (attached_ && frame_ != nullptr && window != nullptr) {
        if (!window->HasCapture())
            window->CaptureMouse();
        dragOffset_ = wxGetMousePosition() - frame_->GetPosition();
    }
    event.Skip();
}

void SKTitleBar::OnMotion(wxMouseEvent& event)
{
    auto* window = static_cast<wxWindow*>(event.GetEventObject());
    if (attached_ && frame_ != nullptr && !frame_->IsMaximized() && event.Dragging() && event.LeftIsDown() &&
        window != nullptr && window->HasCapture())
        frame_->MoveFrameTo(wxGetMousePosition() - dragOffset_);
    event.Skip();
}

void SKTitleBar::OnLeftUp(wxMouseEvent& event)
{
    auto* window = static_cast<wxWindow*>(event.GetEventObject());
    if (window != nullptr && window->HasCapture())
        window->ReleaseMouse();
    event.Skip();
}

void SKTitleBar::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    // The capture is already gone; nothing to release.
}

void SKTitleBar::OnClose(wxCommandEvent& event)
{
    if (attached_ && frame_ != nullptr)
        frame_->CloseFrame(event);
}

void SKTitleBar::OnMaximizeOrRestore(wxCommandEvent&)
{
    if (!attached_ || frame_ == nullptr)
        return;
    frame_->Maximize(!frame_->IsMaximized());
    UpdateMaximizeButtons();
}

void SKTitleBar::OnMinimize(wxCommandEvent&)
{
    if (attached_ && frame_ != nullptr && !frame_->IsIconized())
        frame_->Iconize(true);
}
