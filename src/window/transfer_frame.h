#pragma once
// The program's only top-level window: a borderless frame that draws its own
// chrome and arranges, in one grid, the border pieces, the title bar, the tool
// bar, the client area and the status bar. It starts the first detection on
// its first idle moment after it is shown, relabels every part when the user
// picks another language, and ends the process when it is closed.
//
// The toolkit owns every child window; the frame registers its parts in the
// application registry and takes them out again when it is destroyed.

#include "window/base/sk_resizable_frame_base.h"

class Client;
class StatusBar;
class ToolBar;
class SKTitleBar;

class TransferFrame : public SKResizableFrameBase {
public:
    TransferFrame(const wxString& title, const wxPoint& position = wxDefaultPosition,
                  const wxSize& size = wxDefaultSize);
    ~TransferFrame() override;

    // The frame repaints only through its children.
    void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;

    bool IsDetectionStarted() const { return detectionStarted_; }
    ToolBar* GetToolBarPanel() const { return toolBar_; }
    Client* GetClient() const { return client_; }
    StatusBar* GetStatusBarPanel() const { return statusBar_; }
    SKTitleBar* GetTitleBar() const { return titleBar_; }

    // Grows the frame to its minimum size after texts changed: another
    // language, or a device summary with longer values.
    void FitToTexts();

private:
    void AddBorderPieces();
    void AddTitleBar();
    void RelabelTitleBar();

    void OnIdle(wxIdleEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnLanguageChanged(wxCommandEvent& event);

    bool detectionStarted_ = false;
    SKTitleBar* titleBar_ = nullptr;
    ToolBar* toolBar_ = nullptr;
    Client* client_ = nullptr;
    StatusBar* statusBar_ = nullptr;

    wxDECLARE_EVENT_TABLE();
};
