#pragma once
// A title of the skinned menu bar: its label drawn on the bar's tiled
// background, in the normal colour at rest and in the current colour while
// pointed at or while its menu is open. A press reports a click at once; the
// menu bar opens the menu in answer.
//
// The button owns its two pictures and its menu. The bar's background stays
// the bar's.

#include <memory>

#include <wx/bitmap.h>
#include <wx/control.h>
#include <wx/validate.h>

class wxMenu;

class SkMenuButton : public wxControl {
public:
    enum State { kNormal = 0, kActivate = 1 };

    // Takes ownership of the menu. The button is as wide as the label at 10
    // points plus 16 and as high as the bar's background.
    SkMenuButton(wxMenu* menu, const wxString& label, const wxBitmap& barBackground,
                 wxWindow* parent, wxWindowID id, const wxColour& normalColour,
                 const wxColour& currentColour, const wxPoint& position = wxDefaultPosition,
                 const wxValidator& validator = wxDefaultValidator);
    ~SkMenuButton() override;

    wxMenu* GetMenu() const { return menu_.get(); }

    // The menu bar switches pointer tracking off and shows the "activate" look
    // while the button's menu is open.
    void SetTracksPointer(bool tracks) { tracksPointer_ = tracks; }
    bool TracksPointer() const { return tracksPointer_; }
    void SetState(int state);
    int GetState() const { return state_; }

    // The font every menu title uses: the default GUI font at 10 points.
    static wxFont TitleFont();

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnEnter(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);

    int state_ = kNormal;
    bool tracksPointer_ = true;
    std::unique_ptr<wxBitmap> normal_;
    std::unique_ptr<wxBitmap> activate_;
    std::unique_ptr<wxMenu> menu_;

    wxDECLARE_EVENT_TABLE();
};
