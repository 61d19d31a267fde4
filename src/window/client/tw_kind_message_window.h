#pragma once
// One conversation of the device's messages as chat bubbles: received
// messages on the left, sent ones on the right, each headed by its date and
// time. The upper half of the content view's message panel; a display only,
// nothing in it can be selected or checked.
//
// The window owns its six bubble pictures (loaded from the theme when it is
// created; a missing one stops the program, as for every picture a complete
// installation has) and the bubbles of the conversation it shows. It keeps no
// pointer into the conversation record: the texts are copied into the
// bubbles, so the record may go with the next detection.
//
// Use: create it on the message panel, then call ShowConversation for the
// conversation to show. The navigation pane shows the first conversation
// when the Messages node is selected; the content view shows the one row of
// the conversation list when exactly one is selected (with two or more it
// leaves the window alone).

#include <memory>
#include <vector>

#include <devicekit/devicekit.h>
#include <wx/bitmap.h>
#include <wx/scrolwin.h>

#include "window/client/message_bubble.h"
#include "window/client/message_layout.h"

class TwKindMessageWindow : public wxScrolled<wxWindow> {
public:
    // The message panel holds exactly one such window.
    static constexpr wxWindowID kWindowId = 311;
    // The virtual size until the first conversation is shown.
    static constexpr int kVirtualWidth = 400;
    static constexpr int kInitialVirtualHeight = 800;

    TwKindMessageWindow() = default;
    TwKindMessageWindow(wxWindow* parent, const wxPoint& position = wxDefaultPosition,
                        const wxSize& size = wxDefaultSize);
    ~TwKindMessageWindow() override;

    bool Create(wxWindow* parent, const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize);

    // Replaces the bubbles with one per message of the conversation and
    // repaints. Null, or a conversation without messages, empties the window
    // (virtual height 100). The vertical scroll position stays where it was
    // as far as the new virtual height allows.
    void ShowConversation(const HandoverConversation* conversation);

    const std::vector<std::unique_ptr<MessageBubble>>& GetBubbles() const { return bubbles_; }

private:
    void LoadImages();
    BubbleParts Parts(const wxBitmap& top, const wxBitmap& center, const wxBitmap& bottom) const;
    void OnPaint(wxPaintEvent& event);
    void DrawBubble(wxDC& dc, const MessageBubble& bubble, int visibleTop, int visibleBottom) const;

    std::vector<std::unique_ptr<MessageBubble>> bubbles_;
    std::unique_ptr<wxBitmap> incoming_bottom_;
    std::unique_ptr<wxBitmap> incoming_center_;
    std::unique_ptr<wxBitmap> incoming_top_;
    std::unique_ptr<wxBitmap> outgoing_bottom_;
    std::unique_ptr<wxBitmap> outgoing_center_;
    std::unique_ptr<wxBitmap> outgoing_top_;

    wxDECLARE_DYNAMIC_CLASS(TwKindMessageWindow);
    wxDECLARE_EVENT_TABLE();
};
