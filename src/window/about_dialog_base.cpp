#include "window/about_dialog_base.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcbuffer.h>
#include <wx/intl.h>
#include <wx/settings.h>
#include <wx/toplevel.h>

#include "app/domain_option.h"
#include "app/product_paths.h"
#include "common/image_util.h"
#include "window/base/chrome_geometry.h"
#include "window/base/msw/tw_hyperlink_ctrl.h"
#include "window/base/msw/tw_static_bitmap.h"
#include "window/base/msw/tw_static_text.h"
#include "window/base/tw_bitmap_button.h"

namespace {

constexpr int kIconSize = 80;
constexpr int kIconTop = 36;
constexpr int kVersionTop = 120;
constexpr int kNoticeTop = 150;
constexpr int kLinkTop = 190;
constexpr int kTitleButtonTop = 2;
constexpr double kCornerRadius = 8;
const wxPoint kTitleAt(20, 6);

wxFont BoldGuiFont()
{
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetPointSize(10);
    font.SetWeight(wxFONTWEIGHT_BOLD);
    return font;
}

// Places a control centred across a dialog `width` wide at `top`.
void CentreAcross(wxWindow* control, int width, int top)
{
    control->Move((width - control->GetSize().x) / 2, top);
}

} // namespace

wxIMPLEMENT_DYNAMIC_CLASS(AboutDialogBase, wxDialog);

wxBEGIN_EVENT_TABLE(AboutDialogBase, wxDialog)
    EVT_BUTTON(ID_TITLE_CLOSE, AboutDialogBase::OnEndDialog)
    EVT_BUTTON(wxID_CLOSE, AboutDialogBase::OnEndDialog)
    EVT_BUTTON(wxID_OK, AboutDialogBase::OnEndDialog)
    EVT_BUTTON(ID_TITLE_MINIMIZE, AboutDialogBase::OnMinimize)
    EVT_LEFT_DOWN(AboutDialogBase::OnLeftDown)
    EVT_LEFT_UP(AboutDialogBase::OnLeftUp)
    EVT_MOTION(AboutDialogBase::OnMouseMove)
    EVT_MOUSE_CAPTURE_LOST(AboutDialogBase::OnCaptureLost)
wxEND_EVENT_TABLE()

AboutDialogBase::AboutDialogBase() = default;

AboutDialogBase::~AboutDialogBase()
{
    // The transparent controls point at the background: they go first.
    DestroyChildren();
}

bool AboutDialogBase::Create(wxBitmap* background, wxWindow* parent, wxWindowID id, const wxString& title,
                             const wxPoint& position, const wxSize& size, long style)
{
    std::unique_ptr<wxBitmap> owned(background);
    if (!wxDialog::Create(parent, id, title, position, size, style))
        return false;
    if (owned) {
        background_ = std::move(owned);
        Bind(wxEVT_PAINT, &AboutDialogBase::OnPaint, this);
    }
    const wxBitmap application = GetThemeBitmap("application/application.png");
    if (application.IsOk())
        icon_ = std::make_unique<wxBitmap>(
            application.ConvertToImage().Scale(kIconSize, kIconSize, wxIMAGE_QUALITY_HIGH));

    CreateTitleButtons();
    CreateContent();
    CreateButtons();
    SetRoundedShape(size.x, size.y);
    Centre(wxBOTH);
    return true;
}

void AboutDialogBase::CreateTitleButton(wxWindowID id, int x, const wxString& name, const wxSize& size)
{
    auto* button = new TwBitmapButton(this, id, wxPoint(x, kTitleButtonTop), size);
    button->SetFaces(LoadThemeBitmap("image/title/" + name + "_normal.png"),
                     LoadThemeBitmap("image/title/" + name + "_hover.png"),
                     LoadThemeBitmap("image/title/" + name + "_pressed.png"));
    if (background_) {
        const std::unique_ptr<wxBitmap> behind(
            CopyBitmapRect(*background_, x, kTitleButtonTop, size.x, size.y));
        if (behind)
            button->SetBackgroundBitmap(*behind);
    }
}

void AboutDialogBase::CreateTitleButtons()
{
    const int width = GetSize().x;
    const wxSize closeSize = GetThemeBitmap("image/title/close_normal.png").GetSize();
    const wxSize minimizeSize = GetThemeBitmap("image/title/minimize_normal.png").GetSize();
    const int closeX = width - closeSize.x - 4;
    CreateTitleButton(ID_TITLE_CLOSE, closeX, "close", closeSize);
    CreateTitleButton(ID_TITLE_MINIMIZE, closeX - minimizeSize.x - 1, "minimize", minimizeSize);
}

void AboutDialogBase::CreateContent()
{
    const int width = GetSize().x;

    if (icon_) {
        auto* icon = new TwStaticBitmap(this, wxID_ANY, *icon_, wxPoint((width - icon_->GetWidth()) / 2, kIconTop));
        icon->SetBackgroundBitmap(background_.get());
    }

    const DomainOption links(GetProductLinksPath());
    auto* link = new TwHyperLinkCtrl(this, wxID_ANY, links.GetDownloadUrl(), links.GetDownloadUrl(),
                                     wxDefaultPosition, wxDefaultSize,
                                     wxBORDER_NONE | wxHL_CONTEXTMENU | wxHL_ALIGN_LEFT);
    link->SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Underlined());
    link->SetSize(link->GetBestSize());
    link->SetBackgroundBitmap(background_.get());
    CentreAcross(link, width, kLinkTop);

    auto* version = new TwStaticText(this, wxID_ANY, GetProductDisplayName() + " " + GetProductVersion());
    version->SetForegroundColour(*wxBLACK);
    // The name line leads the text block.
    version->SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold());
    version->SetSize(version->GetBestSize());
    version->SetBackgroundBitmap(background_.get());
    CentreAcross(version, width, kVersionTop);

    const wxString notice = _("Copyright") + " " + wxString(wxUniChar(0x00A9)) + " " + BuildYearOf(GetBuildDate()) +
                            " " + GetMakerName() + _(". All rights reserved.");
    auto* maker = new TwStaticText(this, wxID_ANY, notice);
    maker->SetForegroundColour(*wxBLACK);
    maker->SetBackgroundBitmap(background_.get());
    CentreAcross(maker, width, kNoticeTop);
}

void AboutDialogBase::CreateButtons()
{
    const wxSize size = GetSize();
    okButton_ = new wxButton(this, wxID_OK, wxEmptyString);
    okButton_->SetFont(BoldGuiFont());
    okButton_->SetLabel(_("Ok"));
    const wxSize buttonSize = okButton_->GetTextExtent(okButton_->GetLabel()) + wxSize(16, 8);
    okButton_->SetSize(size.x - buttonSize.x - 20, size.y - buttonSize.y - 40, buttonSize.x, buttonSize.y);
}

void AboutDialogBase::SetRoundedShape(int width, int height)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (width > 0 && height > 0)
        SetShape(FrameShapeRegion(wxSize(width, height), kCornerRadius, true));
}

void AboutDialogBase::OnPaint(wxPaintEvent&)
{
    wxBufferedPaintDC dc(this);
    DrawBackground(dc);
    DrawTitle(dc);
}

void AboutDialogBase::DrawBackground(wxDC& dc)
{
    if (background_ && background_->IsOk())
        dc.DrawBitmap(*background_, 0, 0, false);
}

void AboutDialogBase::DrawTitle(wxDC& dc)
{
    dc.SetFont(BoldGuiFont());
    dc.SetTextForeground(*wxBLACK);
    dc.DrawText(GetTitle(), kTitleAt);
}

void AboutDialogBase::OnEndDialog(wxCommandEvent&)
{
    if (IsModal())
        EndModal(0);
    else
        Hide();
}

void AboutDialogBase::OnMinimize(wxCommandEvent&)
{
    auto* frame = wxDynamicCast(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr, wxTopLevelWindow);
    if (frame != nullptr && frame != this)
        frame->Iconize(true);
}

// Positions are the pointer's own screen position; the event's window-relative
// one can predate the dialog's last move.
void AboutDialogBase::OnLeftDown(wxMouseEvent& event)
{
    if (!HasCapture())
        CaptureMouse();
    dragOffset_ = wxGetMousePosition() - GetPosition();
    event.Skip();
}

void AboutDialogBase::OnMouseMove(wxMouseEvent& event)
{
    if (event.Dragging() && event.LeftIsDown() && HasCapture())
        Move(wxGetMousePosition() - dragOffset_);
    event.Skip();
}

void AboutDialogBase::OnLeftUp(wxMouseEvent& event)
{
    if (HasCapture())
        ReleaseMouse();
    event.Skip();
}

void AboutDialogBase::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    // The capture is already gone; nothing to release.
}
