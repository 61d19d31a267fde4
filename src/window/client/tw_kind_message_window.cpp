#include "window/client/tw_kind_message_window.h"

#include <algorithm>

#include <wx/dcclient.h>

#include "common/image_util.h"
#include "common/runtime_check.h"

wxIMPLEMENT_DYNAMIC_CLASS(TwKindMessageWindow, wxWindow);

wxBEGIN_EVENT_TABLE(TwKindMessageWindow, wxScrolled<wxWindow>)
    EVT_PAINT(TwKindMessageWindow::OnPaint)
wxEND_EVENT_TABLE()

TwKindMessageWindow::TwKindMessageWindow(wxWindow* parent, const wxPoint& position, const wxSize& size)
{
    Create(parent, position, size);
}

TwKindMessageWindow::~TwKindMessageWindow() = default;

bool TwKindMessageWindow::Create(wxWindow* parent, const wxPoint& position, const wxSize& size)
{
    if (!wxScrolled<wxWindow>::Create(parent, kWindowId, position, size, wxHSCROLL | wxVSCROLL))
        return false;
    SetScrollRate(1, 1);
    SetVirtualSize(kVirtualWidth, kInitialVirtualHeight);
    SetBackgroundColour(*wxWHITE);
    // The bubbles are laid out for the virtual width; a narrower window cuts
    // them rather than scrolling sideways.
    ShowScrollbars(wxSHOW_SB_NEVER, wxSHOW_SB_DEFAULT);
    LoadImages();
    return true;
}

void TwKindMessageWindow::LoadImages()
{
    const wxString folder = "image/content/message/";
    incoming_bottom_.reset(LoadThemeBitmap(folder + "incoming_bottom.png"));
    incoming_center_.reset(LoadThemeBitmap(folder + "incoming_center.png"));
    incoming_top_.reset(LoadThemeBitmap(folder + "incoming_top.png"));
    outgoing_bottom_.reset(LoadThemeBitmap(folder + "outgoing_bottom.png"));
    outgoing_center_.reset(LoadThemeBitmap(folder + "outgoing_center.png"));
    outgoing_top_.reset(LoadThemeBitmap(folder + "outgoing_top.png"));
    RUNTIME_CHECK_TEXT(incoming_bottom_ && incoming_bottom_->IsOk(), "incoming_bottom_->IsOk()");
    RUNTIME_CHECK_TEXT(incoming_center_ && incoming_center_->IsOk(), "incoming_center_->IsOk()");
    RUNTIME_CHECK_TEXT(incoming_top_ && incoming_top_->IsOk(), "incoming_top_->IsOk()");
    RUNTIME_CHECK_TEXT(outgoing_bottom_ && outgoing_bottom_->IsOk(), "outgoing_bottom_->IsOk()");
    RUNTIME_CHECK_TEXT(outgoing_center_ && outgoing_center_->IsOk(), "outgoing_center_->IsOk()");
    RUNTIME_CHECK_TEXT(outgoing_top_ && outgoing_top_->IsOk(), "outgoing_top_->IsOk()");
}

BubbleParts TwKindMessageWindow::Parts(const wxBitmap& top, const wxBitmap& center, const wxBitmap& bottom) const
{
    return {top.GetHeight(), bottom.GetHeight(), &top, &center, &bottom};
}

void TwKindMessageWindow::ShowConversation(const HandoverConversation* conversation)
{
    const int position = GetViewStart().y;  // pixels: the scroll rate is 1
    const auto measure = [this](const wxString& line) { return GetTextExtent(line); };
    ConversationLayout layout =
        LayOutConversation(conversation, Parts(*incoming_top_, *incoming_center_, *incoming_bottom_),
                           Parts(*outgoing_top_, *outgoing_center_, *outgoing_bottom_), measure);
    bubbles_ = std::move(layout.bubbles);
    SetVirtualSize(kVirtualWidth, layout.virtualHeight);
    Scroll(0, KeptScrollPosition(position, layout.virtualHeight, GetClientSize().y));
    Refresh();
}

void TwKindMessageWindow::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    DoPrepareDC(dc);
    // Measured and drawn in the same font; black reads on both bubble colours
    // whatever the desktop's colour scheme.
    dc.SetFont(GetFont());
    dc.SetTextForeground(*wxBLACK);
    const wxRect update = GetUpdateRegion().GetBox();
    const int visibleTop = CalcUnscrolledPosition(update.GetTopLeft()).y;
    const int visibleBottom = visibleTop + update.height;
    for (const auto& bubble : bubbles_) {
        if (bubble->y >= visibleBottom)
            break;  // the bubbles go downwards
        if (bubble->bottomY + bubble->bottom->GetHeight() > visibleTop)
            DrawBubble(dc, *bubble, visibleTop, visibleBottom);
    }
}

void TwKindMessageWindow::DrawBubble(wxDC& dc, const MessageBubble& bubble, int visibleTop, int visibleBottom) const
{
    const auto visible = [&](int top, int height) { return top < visibleBottom && top + height > visibleTop; };
    dc.DrawBitmap(*bubble.top, bubble.x, bubble.y, true);
    dc.DrawText(bubble.header, bubble.x + bubble.textInset, bubble.y + 2);

    const wxBitmap& center = *bubble.center;
    for (const CenterTile& tile : CenterTiles(bubble.centerHeight, center.GetHeight())) {
        const int tileY = bubble.centerY + tile.offset;
        if (!visible(tileY, tile.rows))
            continue;
        if (tile.rows == center.GetHeight())
            dc.DrawBitmap(center, bubble.x, tileY, true);
        else
            dc.DrawBitmap(center.GetSubBitmap(wxRect(0, 0, center.GetWidth(), tile.rows)), bubble.x, tileY, true);
    }
    for (size_t k = 0; k < bubble.lines.size(); ++k) {
        const int lineY = bubble.LineY(static_cast<int>(k));
        if (visible(lineY, bubble.lineHeight))
            dc.DrawText(bubble.lines[k], bubble.x + bubble.textInset, lineY);
    }
    dc.DrawBitmap(*bubble.bottom, bubble.x, bubble.bottomY, false);
}
