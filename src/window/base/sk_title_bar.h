#pragma once
// The title bar of the skinned frame: icon, title text, and the minimize,
// maximize / restore and close buttons (SKButton). Dragging the bar or its
// title text moves the frame; the buttons act on the frame.
//
// Use:
//     auto* bar = new SKTitleBar(background, icon,
//                                minNormal, minHover, minPressed, maxNormal, maxHover, maxPressed,
//                                restoreNormal, restoreHover, restorePressed,
//                                closeNormal, closeHover, closePressed,
//                                frame, title);  // or SKTitleBar::CreateFromTheme(frame, title)
//     bar->SetTitleFont(font);  bar->SetTitleLabel(text);  // later too, e.g. after a language change
//     bar->Attach(frame);       // until then the mouse and the buttons do nothing
//
// The bar owns its background and icon bitmaps; the twelve button pictures go
// to the buttons, which own them. Exactly one of maximize and restore is
// shown, at the same place. The best height is wxDefaultCoord: the owner's
// layout (the row of border pieces beside it) gives the bar its height.

#include <memory>

#include <wx/bitmap.h>
#include <wx/custombgwin.h>
#include <wx/panel.h>

class SKButton;
class SKResizableFrameBase;
class TwStaticBitmap;
class TwStaticText;

class SKTitleBar : public wxCustomBackgroundWindow<wxPanel> {
public:
    enum ButtonId { kCloseId = 10001, kMaximizeId = 10002, kRestoreId = 10003, kMinimizeId = 10004 };

    // Takes ownership of all fourteen bitmaps.
    SKTitleBar(wxBitmap* background, wxBitmap* icon,
               wxBitmap* minimizeNormal, wxBitmap* minimizeHover, wxBitmap* minimizePressed,
               wxBitmap* maximizeNormal, wxBitmap* maximizeHover, wxBitmap* maximizePressed,
               wxBitmap* restoreNormal, wxBitmap* restoreHover, wxBitmap* restorePressed,
               wxBitmap* closeNormal, wxBitmap* closeHover, wxBitmap* closePressed,
               wxWindow* parent, const wxString& title, const wxPoint& position = wxDefaultPosition,
               const wxSize& size = wxDefaultSize, int leftMargin = 5, int topMargin = 5,
               int rightMargin = 5, int buttonTop = 5);
    ~SKTitleBar() override;

    // The bar with the theme's pictures: image/title/title_bg.png, icon.png
    // and the {minimize,maximize,restore,close}_{normal,hover,pressed}.png.
    static SKTitleBar* CreateFromTheme(wxWindow* parent, const wxString& title,
                                       const wxPoint& position = wxDefaultPosition,
                                       const wxSize& size = wxDefaultSize);

    // Sets the frame the bar drags and whose buttons it works, and makes the
    // bar act on the mouse. The bar follows the frame's maximized state.
    void Attach(SKResizableFrameBase* frame);
    bool IsAttached() const { return attached_; }
    SKResizableFrameBase* GetFrame() const { return frame_; }

    // The title text: a new font or label resizes it to the text and lays out.
    void SetTitleFont(const wxFont& font);
    void SetTitleLabel(const wxString& title);
    wxString GetTitleLabel() const;
    TwStaticText* GetTitleText() const { return titleText_; }

    // Shows maximize or restore to match the frame; done on every size
    // change of the attached frame.
    void UpdateMaximizeButtons();

    // Layout options; each change lays the bar out again.
    void SetCentreVertically(bool centre);
    void ShowIcon(bool show);
    void SetIconSpacing(int spacing);
    void SetButtonGap(int gap);

    // Places the children (done on every size change). Does nothing until all
    // six children exist.
    void LayoutChildren();

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnSize(wxSizeEvent& event);
    void OnFrameSize(wxSizeEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnClose(wxCommandEvent& event);
    void OnMaximizeOrRestore(wxCommandEvent& event);
    void OnMinimize(wxCommandEvent& event);
    void FitTitleText();

    wxString title_;
    std::unique_ptr<wxBitmap> background_;
    std::unique_ptr<wxBitmap> icon_;
    wxBitmap tiledBackground_;  // the bar's size, behind the icon and the text
    SKResizableFrameBase* frame_ = nullptr;
    bool attached_ = false;
    bool centreVertically_ = true;
    bool showIcon_ = true;
    int iconSpacing_ = 5;
    int buttonGap_ = 0;
    int leftMargin_;
    int topMargin_;
    int rightMargin_;
    int buttonTop_;
    TwStaticBitmap* iconPicture_ = nullptr;
    TwStaticText* titleText_ = nullptr;
    SKButton* minimizeButton_ = nullptr;
    SKButton* maximizeButton_ = nullptr;
    SKButton* restoreButton_ = nullptr;
    SKButton* closeButton_ = nullptr;
    wxPoint dragOffset_;

    wxDECLARE_EVENT_TABLE();
};
